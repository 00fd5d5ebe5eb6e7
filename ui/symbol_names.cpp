#include "ui/symbol_names.h"

#include <array>
#include <span>

namespace {

// In picture-list order; the first four are shared by every level.
constexpr std::array<const char *, 5> beginnerNames{"circle", "plus", "square", "star", "waves"};
constexpr std::array<const char *, 8> intermediateNames{"circle",   "plus",           "square",   "star",
                                                        "triskele", "knotwork square", "hexagram", "pyramid"};
constexpr std::array<const char *, 10> expertNames{"circle",        "plus",           "square",    "star",
                                                   "compass wheel", "knotwork square", "triquetra", "ring",
                                                   "hexagram",      "pyramid"};

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
    return QString::fromLatin1(names[std::size_t(n - 1)]);
}

QString restingPictureName()
{
    return QStringLiteral("no symbol drawn yet");
}
