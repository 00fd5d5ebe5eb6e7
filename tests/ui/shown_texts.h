#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QXmlStreamReader>

// What the program's windows show a person in words, read from the widgets
// whatever builds them (a form or code): each text under a key that names
// its control by the path of classes and object names from its window, so
// that the same window built twice, in two languages, gives the same keys.
namespace shown_texts {

// "QDialog:levelDialog/QGroupBox:levelGroup/QRadioButton:beginnerOption";
// a control without a name is told from its siblings of its class by its
// place among them.
inline QString keyOf(const QObject *object)
{
    QStringList path;
    for (; object; object = object->parent()) {
        QString step = QLatin1String(object->metaObject()->className()) + QLatin1Char(':') + object->objectName();
        if (object->objectName().isEmpty() && object->parent()) {
            int place = 0;
            for (const QObject *sibling : object->parent()->children()) {
                if (sibling == object)
                    break;
                place += sibling->metaObject() == object->metaObject() ? 1 : 0;
            }
            step += QLatin1Char('#') + QString::number(place);
        }
        path.prepend(step);
        if (auto *widget = qobject_cast<const QWidget *>(object); widget && widget->isWindow())
            break;
    }
    return path.join(QLatin1Char('/'));
}

inline void addText(QMap<QString, QString> &texts, const QString &key, const QString &text)
{
    if (!text.trimmed().isEmpty())
        texts.insert(key, text);
}

// A menu's entries and their submenus, as the user sees them when opening it.
inline void addMenuTexts(QMap<QString, QString> &texts, const QString &key, const QList<QAction *> &actions)
{
    int place = 0;
    for (const QAction *action : actions) {
        const QString entry = key + QStringLiteral("/action#%1:%2").arg(place++).arg(action->objectName());
        if (!action->isVisible() || action->isSeparator())
            continue;
        addText(texts, entry, action->text());
        if (const QMenu *menu = action->menu())
            addMenuTexts(texts, entry, menu->actions());
    }
}

// The words one control shows.
inline void addControlTexts(QMap<QString, QString> &texts, const QWidget *control)
{
    const QString key = keyOf(control);
    if (control->isWindow())
        addText(texts, key + QStringLiteral("[title]"), control->windowTitle());
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        addText(texts, key, button->text());
    } else if (auto *label = qobject_cast<const QLabel *>(control)) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        addText(texts, key, rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text());
    } else if (auto *group = qobject_cast<const QGroupBox *>(control)) {
        addText(texts, key, group->title());
    } else if (auto *edit = qobject_cast<const QLineEdit *>(control)) {
        addText(texts, key, edit->text());
        addText(texts, key + QStringLiteral("[placeholder]"), edit->placeholderText());
    } else if (auto *box = qobject_cast<const QPlainTextEdit *>(control)) {
        addText(texts, key, box->toPlainText());
    } else if (auto *rich = qobject_cast<const QTextEdit *>(control)) {
        addText(texts, key, rich->toPlainText());
    } else if (auto *combo = qobject_cast<const QComboBox *>(control)) {
        for (int item = 0; item < combo->count(); ++item)
            addText(texts, key + QStringLiteral("[%1]").arg(item), combo->itemText(item));
    } else if (auto *tabs = qobject_cast<const QTabWidget *>(control)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            addText(texts, key + QStringLiteral("[tab %1]").arg(tab), tabs->tabText(tab));
    } else if (auto *view = qobject_cast<const QAbstractItemView *>(control);
               view && view->model() && !qobject_cast<const QHeaderView *>(control)) {
        // Headers and cells alike.
        const QAbstractItemModel *model = view->model();
        for (int column = 0; column < model->columnCount(); ++column)
            addText(texts, key + QStringLiteral("[column %1]").arg(column), model->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model->rowCount(); ++row) {
            addText(texts, key + QStringLiteral("[row %1]").arg(row), model->headerData(row, Qt::Vertical).toString());
            for (int column = 0; column < model->columnCount(); ++column)
                addText(texts, key + QStringLiteral("[%1,%2]").arg(row).arg(column), model->index(row, column).data().toString());
        }
    } else if (auto *bar = qobject_cast<const QMenuBar *>(control)) {
        addMenuTexts(texts, key, bar->actions());
    }
}

inline void addVisibleTexts(QMap<QString, QString> &texts, QWidget *window)
{
    addControlTexts(texts, window);
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisible() && !control->isWindow())
            addControlTexts(texts, control);
    }
}

// Every text the window shows, with every page of every stack in turn (the
// level panels, the level dialog's score view, the branding offers), the
// stacks then as they were.
inline QMap<QString, QString> visibleTexts(QWidget *window)
{
    QMap<QString, QString> texts;
    addVisibleTexts(texts, window);
    for (QStackedWidget *stack : window->findChildren<QStackedWidget *>()) {
        if (!stack->isVisible())
            continue;
        const int current = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            addVisibleTexts(texts, stack);
        }
        stack->setCurrentIndex(current);
    }
    return texts;
}

// Every text of the program's visible windows.
inline QMap<QString, QString> textsOfOpenWindows()
{
    QMap<QString, QString> texts;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            texts.insert(visibleTexts(window));
    }
    return texts;
}

// A caption without the marks of its access key ("&OK" is "OK").
inline QString withoutAccessKey(QString text)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.replace(mark, QStringLiteral("\\1")).trimmed();
}

// The texts that a translation file keeps as they are in English ("OK"),
// read from the file itself: patterns in which a placeholder stands for a
// figure ("10^%1" matches "10^-7"). Empty when the file cannot be read.
inline QList<QRegularExpression> keptAsTheyAre(const QString &translationFile)
{
    QList<QRegularExpression> kept;
    QFile file(translationFile);
    if (!file.open(QIODevice::ReadOnly))
        return kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (xml.readElementText() == source && finished) {
                // The words escaped, each placeholder a run of anything but letters.
                static const QRegularExpression placeholder(QStringLiteral("%\\d"));
                const QString plain = withoutAccessKey(source);
                QString pattern;
                qsizetype from = 0;
                for (auto match = placeholder.globalMatch(plain); match.hasNext();) {
                    const QRegularExpressionMatch next = match.next();
                    pattern += QRegularExpression::escape(plain.mid(from, next.capturedStart() - from));
                    pattern += QStringLiteral("[^\\p{L}]*");
                    from = next.capturedEnd();
                }
                pattern += QRegularExpression::escape(plain.mid(from));
                kept << QRegularExpression(QRegularExpression::anchoredPattern(pattern));
            }
        }
    }
    return kept;
}

// Texts that read the same in every language whatever the file says: those
// with no word in them (figures, signs) and addresses.
inline bool hasNoWords(const QString &text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression address(
        QStringLiteral("^\\s*(\\S+@\\S+\\.\\w+|(https?://|www\\.)\\S+|\\S+\\.(com|org|net|de)(/\\S*)?)\\s*$"));
    return !text.contains(letter) || address.match(text).hasMatch();
}

} // namespace shown_texts
