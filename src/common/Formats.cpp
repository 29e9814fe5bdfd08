#include "common/Formats.h"

// Placeholder implementations; the complete formats come with the report layer.
namespace formato {
QLocale locale() {
    return QLocale(QLocale::Spanish, QLocale::Mexico);
}
QString moneda(double v) {
    return (v < 0 ? "-$" : "$") + QLocale(QLocale::English).toString(qAbs(v), 'f', 2);
}
QString moneda(Money v) {
    return moneda(v.toDouble());
}
QString dinero(double v) {
    return moneda(v);
}
QString dineroTicket(double v) {
    return moneda(v);
}
QString dineroCero(double v) {
    return moneda(v);
}
QString porcentaje(double v) {
    return QString::number(v, 'f', 2) + "%";
}
QString entero(double v) {
    return QString::number(qRound64(v));
}
QString fecha(const QDate& d) {
    return d.toString("dd/MM/yyyy");
}
QString fecha(const QDateTime& t) {
    return fecha(t.date());
}
QString fechaMesLargo(const QDate& d) {
    return d.toString("dd/MMMM/yyyy");
}
QString fechaCorta(const QDate& d) {
    return d.toString("dd/MM/yyyy");
}
QString horaLarga(const QTime& t) {
    return t.toString("HH:mm:ss");
}
QString fechaHora(const QDateTime& t) {
    return fechaCorta(t.date()) + " " + horaLarga(t.time());
}
QString decimal(double v) {
    return QString::number(v, 'g', 15);
}
double leerDecimal(const QString& t, bool* ok) {
    return t.toDouble(ok);
}
int leerEntero(const QString& t, bool* ok) {
    return t.toInt(ok);
}
QString errorConversion(const QString& t) {
    return QString("'%1' no es un valor numérico válido").arg(t);
}
}  // namespace formato
