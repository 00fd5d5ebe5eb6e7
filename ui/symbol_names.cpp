#include "ui/symbol_names.h"

#include <QCoreApplication>

#include <array>
#include <span>

namespace {

// Marked for translation once each; symbolName() shows them translated.
constexpr const char *circle = QT_TRANSLATE_NOOP("SymbolNames", "circle");
constexpr const char *plus = QT_TRANSLATE_NOOP("SymbolNames", "plus");
constexpr const char *square = QT_TRANSLATE_NOOP("SymbolNames", "square");
constexpr const char *star = QT_TRANSLATE_NOOP("SymbolNames", "star");
constexpr const char *waves = QT_TRANSLATE_NOOP("SymbolNames", "waves");
constexpr const char *triskele = QT_TRANSLATE_NOOP("SymbolNames", "triskele");
constexpr const char *knotworkSquare = QT_TRANSLATE_NOOP("SymbolNames", "knotwork square");
constexpr const char *hexagram = QT_TRANSLATE_NOOP("SymbolNames", "hexagram");
constexpr const char *pyramid = QT_TRANSLATE_NOOP("SymbolNames", "pyramid");
constexpr const char *compassWheel = QT_TRANSLATE_NOOP("SymbolNames", "compass wheel");
constexpr const char *triquetra = QT_TRANSLATE_NOOP("SymbolNames", "triquetra");
constexpr const char *ring = QT_TRANSLATE_NOOP("SymbolNames", "ring");

// In picture-list order; the first four are shared by every level.
constexpr std::array<const char *, 5> beginnerNames{circle, plus, square, star, waves};
constexpr std::array<const char *, 8> intermediateNames{circle,   plus,           square,   star,
                                                        triskele, knotworkSquare, hexagram, pyramid};
constexpr std::array<const char *, 10> expertNames{circle,       plus,           square,    star,
                                                   compassWheel, knotworkSquare, triquetra, ring,
                                                   hexagram,     pyramid};

std::span<const char *const> namesOf(Level level)
{
    return ofLevel<std::span<const char *const>>(level, beginnerNames, intermediateNames, expertNames);
}

} // namespace

QString symbolName(Level level, int n)
{
    const std::span<const char *const> names = namesOf(level);
    if (n < 1 || n > int(names.size()))
        return {};
    return QCoreApplication::translate("SymbolNames", names[std::size_t(n - 1)]);
}

QString restingPictureName()
{
    return QCoreApplication::translate("SymbolNames", "no symbol drawn yet");
}
