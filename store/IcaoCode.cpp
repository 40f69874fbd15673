#include "store/IcaoCode.h"

namespace volmira::store {

platform::Result<QString> checkedIcaoCode(const QString &text) {
    QString code = text.trimmed();
    const auto refused = [&](const QString &why) {
        QString shown = code.left(20);
        for (QChar &c : shown)
            if (!c.isPrint()) c = u'?';  // a control character would act on the terminal
        return platform::Failure{QStringLiteral("Der ICAO-Code „%1“ ist ungültig: %2").arg(shown, why)};
    };
    if (code.isEmpty() || code.size() > 10 || code.size() == 3)
        return refused(QStringLiteral("er muss 1, 2 oder 4 bis 10 Zeichen lang sein."));
    for (QChar &c : code) {
        const char16_t u = c.unicode();
        // Only ASCII letters are upper-cased: other scripts' letters could map onto them.
        if (u >= u'a' && u <= u'z') c = QChar(u - u'a' + u'A');
        else if (!((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'-'))
            return refused(QStringLiteral("erlaubt sind nur die Buchstaben A bis Z, Ziffern und „-“."));
    }
    return code;
}

}  // namespace volmira::store
