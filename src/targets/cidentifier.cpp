#include "targets/cidentifier.h"

#include <algorithm>

namespace {

// The keywords of C23 and C++20 (with C++'s alternative spellings of
// operators) that a name without a leading underscore can meet.
bool isKeyword(const QString &word)
{
    static const QStringList keywords =
        QStringLiteral("alignas alignof and and_eq asm auto bitand bitor bool break case catch "
                       "char char16_t char32_t char8_t class co_await co_return co_yield compl "
                       "concept const const_cast consteval constexpr constinit continue "
                       "decltype default delete do double dynamic_cast else enum explicit "
                       "export extern false float for friend goto if inline int long mutable "
                       "namespace new noexcept not not_eq nullptr operator or or_eq private "
                       "protected public register reinterpret_cast requires restrict return "
                       "short signed sizeof static static_assert static_cast struct switch "
                       "template this thread_local throw true try typedef typeid typename "
                       "typeof typeof_unqual union unsigned using virtual void volatile wchar_t "
                       "while xor xor_eq")
            .split(QLatin1Char(' '));
    return keywords.contains(word);
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString cIdentifier(const QString &name)
{
    // Both separators, whatever the system: a name may come from a file
    // written elsewhere.
    QString base = name;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    base = base.section(QLatin1Char('/'), -1);
    // Only what looks like a file type is dropped: a layer named "Boost 1.5"
    // keeps its "5".
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : base.mid(dot + 1);
    const bool fileType = suffix.size() >= 1 && suffix.size() <= 5 && isAsciiLetter(suffix.front())
        && std::all_of(suffix.begin(), suffix.end(),
                       [](QChar c) { return isAsciiLetter(c) || isAsciiDigit(c); });
    if (fileType)
        base.truncate(dot);

    QString result;
    bool gap = false;
    for (const QChar c : base.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue; // the accent of a decomposed letter
        if (isAsciiLetter(c) || isAsciiDigit(c)) {
            if (gap && !result.isEmpty())
                result += QLatin1Char('_');
            gap = false;
            result += c;
        } else {
            gap = true;
        }
    }
    if (result.isEmpty())
        return QStringLiteral("image");
    if (isAsciiDigit(result.front()))
        result.prepend(QLatin1String("img_"));
    if (isKeyword(result))
        result += QLatin1Char('_');
    return result;
}

QString uniqueCIdentifier(const QString &name, const QStringList &taken)
{
    const QString base = cIdentifier(name);
    QString candidate = base;
    const QString stem = base.endsWith(QLatin1Char('_')) ? base : base + QLatin1Char('_');
    for (int n = 2; taken.contains(candidate); ++n)
        candidate = stem + QString::number(n);
    return candidate;
}

bool isCIdentifier(const QString &text)
{
    if (text.isEmpty() || !isAsciiLetter(text.front()))
        return false;
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == QLatin1Char('_');
    });
    // C++ keeps names with a double underscore for itself.
    return plain && !text.contains(QLatin1String("__")) && !isKeyword(text);
}
