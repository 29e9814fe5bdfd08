#pragma once
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <cstdint>

// Fixed-point currency with four decimal places, the type of every amount stored in a
// document (totals, line prices, debts, payments). Computed values are rounded to the
// nearest ten-thousandth when they become Money; catalogue prices stay doubles.
class Money {
  public:
    constexpr Money() = default;
    static Money fromDouble(double v);
    static constexpr Money fromUnits(int64_t diezmilesimos) {
        Money m;
        m.v_ = diezmilesimos;
        return m;
    }
    static Money fromVariant(const QVariant& v);  // null reads as 0

    int64_t units() const { return v_; }  // value × 10000
    double toDouble() const { return double(v_) / 10000.0; }
    QVariant toVariant() const { return QVariant(toDouble()); }  // how it is bound into SQL
    QString toSql() const;                                       // plain decimal text, "." separator

    Money operator+(Money o) const { return fromUnits(v_ + o.v_); }
    Money operator-(Money o) const { return fromUnits(v_ - o.v_); }
    Money operator-() const { return fromUnits(-v_); }
    Money& operator+=(Money o) {
        v_ += o.v_;
        return *this;
    }
    Money& operator-=(Money o) {
        v_ -= o.v_;
        return *this;
    }
    Money operator*(int64_t n) const { return fromUnits(v_ * n); }
    auto operator<=>(const Money&) const = default;
    bool isZero() const { return v_ == 0; }

  private:
    int64_t v_ = 0;
};

// Rounds a computed amount to four decimals (to nearest, halves away from zero).
double redondearMoneda(double v);
