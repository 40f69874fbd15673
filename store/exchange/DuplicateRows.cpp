#include "store/exchange/DuplicateRows.h"

#include <QHashFunctions>

#include <optional>

namespace volmira::store::exchange {

namespace {

// Values joined by a separator no value of these tables holds.
class Key {
public:
    Key &operator<<(const QString &text) {
        key_ += text;
        key_ += QChar(0x1F);
        return *this;
    }
    Key &operator<<(std::optional<int> number) { return *this << (number ? QString::number(*number) : QString()); }
    QString take() { return std::move(key_); }

private:
    QString key_;
};

}  // namespace

QString DuplicateRows::keyOf(const RwyRow &r) {
    return (Key() << QStringLiteral("RWY") << r.ICAO.toUpper() << r.RWY << r.RwyLow << r.RwyHigh << r.RWYHDG
                  << r.SLOPE << r.Length << r.Width << r.SURFACE << r.Date << r.Time)
        .take();
}

QString DuplicateRows::keyOf(const AcomRow &r) {
    return (Key() << QStringLiteral("COM") << r.ICAO.toUpper() << r.Name << r.FREQ << r.Date << r.Time).take();
}

QString DuplicateRows::keyOf(const IlsRow &r) {
    return (Key() << QStringLiteral("ILS") << r.ICAO.toUpper() << r.RWY << r.ILS_FREQ << r.ILS_IDENT << r.ILS_GS
                  << r.OM_FREQ << r.OM_IDENT << r.Date << r.Time)
        .take();
}

QString DuplicateRows::keyOf(const MyInfoRow &r) {
    return (Key() << QStringLiteral("MyInfo") << r.ICAO.toUpper() << r.Category.toUpper() << r.MyInfo
                  << r.PrintInfo << r.Date << r.Time)
        .take();
}

bool DuplicateRows::remember(const QString &key) {
    const std::pair<size_t, size_t> hashes{qHash(key, size_t(0x9E3779B97F4A7C15ULL)),
                                           qHash(key, size_t(0xC2B2AE3D27D4EB4FULL))};
    if (rows_.contains(hashes)) return false;
    rows_.insert(hashes);
    return true;
}

}  // namespace volmira::store::exchange
