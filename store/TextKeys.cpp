#include "store/TextKeys.h"

#include <algorithm>

namespace volmira::store {

QString foldName(const QString &name) { return name.toCaseFolded(); }

QString germanSortKey(const QString &name) {
    // Most names are plain ASCII, which has nothing to decompose: the quick
    // find sorts a few thousand of them on one keystroke.
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; })) return name.toLower();
    // Decomposition drops the diaeresis and accents onto a separate mark,
    // which is then removed; ß has no decomposition and is spelt out.
    const QString decomposed = name.toCaseFolded().normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (c == QChar(0x00DF)) {
            key += QLatin1String("ss");
            continue;
        }
        key += c;
    }
    return key;
}

QStringList searchKeys(const QString &name) {
    QString spelt = name.normalized(QString::NormalizationForm_C).toCaseFolded();
    spelt.replace(QChar(0x00E4), QLatin1String("ae"))
        .replace(QChar(0x00F6), QLatin1String("oe"))
        .replace(QChar(0x00FC), QLatin1String("ue"));
    QStringList keys{germanSortKey(name)};
    if (QString other = germanSortKey(spelt); other != keys.front()) keys << other;
    return keys;
}

}  // namespace volmira::store
