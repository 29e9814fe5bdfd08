#include "db/Money.h"

#include <cmath>

double redondearMoneda(double v) {
    return Money::fromDouble(v).toDouble();
}

Money Money::fromDouble(double v) {
    // The tiny bias keeps values such as 11.51150000000001 or 11.51149999999999 (binary
    // noise of an exact four-decimal result) on the side they were computed for.
    double scaled = v * 10000.0;
    double r = std::round(scaled);
    if (std::fabs(scaled - r) > 0.4999999 && std::fabs(scaled - r) < 0.5000001) {
        r = std::round(scaled + (scaled > 0 ? 1e-7 : -1e-7));
    }
    return fromUnits(static_cast<int64_t>(r));
}

Money Money::fromVariant(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return Money();
    bool ok = false;
    double d = v.toDouble(&ok);
    return ok ? fromDouble(d) : Money();
}

QString Money::toSql() const {
    int64_t a = v_ < 0 ? -v_ : v_;
    QString s = QString::number(a / 10000) + "." + QString::number(a % 10000).rightJustified(4, '0');
    while (s.endsWith('0')) s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    return (v_ < 0 ? "-" : "") + s;
}
