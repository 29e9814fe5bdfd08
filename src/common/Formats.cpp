#include "common/Formats.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace formato {
namespace {

// Digits of a non-negative whole number with "," every three digits.
QString agrupar(qint64 n) {
    QString s = QString::number(n);
    for (int i = int(s.size()) - 3; i > 0; i -= 3) s.insert(i, ',');
    return s;
}

// Rounds to cents the way printed amounts are rounded: through the four-decimal money
// value first (so binary noise such as 1.00499999 stays on the side it was meant to be),
// then halves away from zero.
qint64 centavos(double v) {
    qint64 u = Money::fromDouble(v).units();
    qint64 a = u < 0 ? -u : u;
    qint64 c = (a + 50) / 100;
    return u < 0 ? -c : c;
}

// "$" + grouped integer part + "." + two decimals; `ceroEntero` keeps the "0" before the
// point of amounts below one ("$0.50" rather than "$.50").
QString conSigno(double v, bool ceroEntero) {
    if (!std::isfinite(v)) return QString();
    qint64 c = centavos(v);
    bool negativo = c < 0;
    if (negativo) c = -c;
    qint64 enteros = c / 100;
    QString s = "$";
    if (enteros > 0 || ceroEntero) s += agrupar(enteros);
    s += "." + QString::number(c % 100).rightJustified(2, '0');
    return negativo ? "-" + s : s;
}

const char* const kMeses[12] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};

}  // namespace

QLocale locale() {
    return QLocale(QLocale::Spanish, QLocale::Mexico);
}

QString moneda(double v) {
    return conSigno(v, true);
}
QString moneda(Money v) {
    return conSigno(v.toDouble(), true);
}
QString dinero(double v) {
    return conSigno(v, true);
}
QString dineroTicket(double v) {
    return conSigno(v, false);
}
QString dineroCero(double v) {
    return conSigno(v, true);
}

QString porcentaje(double v) {
    if (!std::isfinite(v)) return QString();
    qint64 c = centavos(v);
    bool negativo = c < 0;
    if (negativo) c = -c;
    QString s = QString::number(c / 100) + "." + QString::number(c % 100).rightJustified(2, '0') + "%";
    return negativo ? "-" + s : s;
}

QString entero(double v) {
    if (!std::isfinite(v)) return QString();
    double r = std::round(v);  // halves away from zero
    if (r == 0) return "0";
    return QString::number(qint64(r));
}

QString fecha(const QDate& d) {
    return d.isValid() ? d.toString("dd/MM/yyyy") : QString();
}
QString fecha(const QDateTime& t) {
    return fecha(t.date());
}
QString fechaMesLargo(const QDate& d) {
    if (!d.isValid()) return QString();
    return QString("%1/%2/%3")
        .arg(d.day(), 2, 10, QChar('0'))
        .arg(QString::fromLatin1(kMeses[d.month() - 1]))
        .arg(d.year(), 4, 10, QChar('0'));
}
QString fechaCorta(const QDate& d) {
    return fecha(d);
}
QString horaLarga(const QTime& t) {
    return t.isValid() ? t.toString("HH:mm:ss") : QString();
}
QString fechaHora(const QDateTime& t) {
    if (!t.isValid()) return QString();
    return fechaCorta(t.date()) + " " + horaLarga(t.time());
}

QString decimal(double v) {
    if (!std::isfinite(v)) return "0";
    if (v == 0) return "0";  // also -0
    QString s = QString::number(v, 'g', 15);
    if (s.contains('e')) {
        // Plain notation even for very large or very small values: SQL text and hidden
        // cells are read back as plain decimals.
        int exp = int(std::floor(std::log10(std::fabs(v))));
        int decimales = std::max(0, 14 - exp);
        s = QString::number(v, 'f', std::min(decimales, 340));
        if (s.contains('.')) {
            while (s.endsWith('0')) s.chop(1);
            if (s.endsWith('.')) s.chop(1);
        }
    }
    return s;
}

double leerDecimal(const QString& texto, bool* ok) {
    static const QRegularExpression re(R"(^[+-]?(\d+\.?\d*|\.\d+)$)");
    QString t = texto.trimmed();
    QString sep = locale().decimalPoint();
    if (sep != ".") t.replace(sep, ".");
    bool bien = re.match(t).hasMatch();
    double v = bien ? t.toDouble(&bien) : 0;
    if (bien && !std::isfinite(v)) bien = false;
    if (ok) *ok = bien;
    return bien ? v : 0;
}

int leerEntero(const QString& texto, bool* ok) {
    static const QRegularExpression re(R"(^[+-]?\d+$)");
    QString t = texto.trimmed();
    bool bien = re.match(t).hasMatch();
    qlonglong v = 0;
    if (bien) {
        v = t.toLongLong(&bien);
        if (bien && (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()))
            bien = false;
    }
    if (ok) *ok = bien;
    return bien ? int(v) : 0;
}

QString errorConversion(const QString& texto) {
    // A number with decimals where a whole number was expected is told apart from text
    // that is no number at all.
    bool esDecimal = false;
    leerDecimal(texto, &esDecimal);
    if (esDecimal) return QString::fromUtf8("'%1' no es un valor entero válido").arg(texto);
    return QString::fromUtf8("'%1' no es un valor numérico válido").arg(texto);
}

QString errorCriterio(const QString& texto) {
    return QString::fromUtf8(
               "Los tipos de datos no coinciden en la expresión de criterios: '%1' no es un número.")
        .arg(texto);
}

}  // namespace formato
