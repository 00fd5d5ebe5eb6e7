#pragma once

#include <QList>
#include <QString>

// One row of a translation glossary: a tab-separated file with the columns
// context, english, german, control and fits, and a header line. Line breaks
// inside a text are written as \n (carriage returns as \r, tabs as \t and a
// backslash as \\), so that every row stays one line.
struct GlossaryRow
{
    QString context;
    QString english;
    QString german;
    QString control;
    QString fits;
};

// The rows of the file, texts unescaped; an error text instead if the file
// cannot be read or a row has not five columns.
bool readGlossary(const QString &path, QList<GlossaryRow> &rows, QString &error);
bool writeGlossary(const QString &path, const QList<GlossaryRow> &rows, QString &error);

QString unescapeCell(const QString &cell);
QString escapeCell(const QString &text);
