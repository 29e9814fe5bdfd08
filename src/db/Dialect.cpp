#include "db/Dialect.h"

#include <QVariant>

namespace dialecto {

static const char* kFormato = "yyyy-MM-dd HH:mm:ss";

QString fecha(const QDateTime& t) {
    return t.toString(kFormato);
}
QString fecha(const QDate& d) {
    return inicioDelDia(d);
}
QString inicioDelDia(const QDate& d) {
    return d.toString("yyyy-MM-dd") + " 00:00:00";
}
QString finDelDia(const QDate& d) {
    return d.toString("yyyy-MM-dd") + " 23:59:59";
}

QDateTime leerFecha(const QVariant& v) {
    if (v.isNull()) return QDateTime();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    QString s = v.toString();
    QDateTime t = QDateTime::fromString(s, kFormato);
    if (!t.isValid()) t = QDateTime::fromString(s, Qt::ISODate);
    if (!t.isValid()) t = QDateTime(QDate::fromString(s.left(10), "yyyy-MM-dd"), QTime(0, 0));
    return t;
}

QString parteFecha(QChar parte, const QString& expr) {
    const char* f = parte == 'd' ? "%d" : parte == 'm' ? "%m" : "%Y";
    return QString("cast(strftime('%1', %2) as integer)").arg(f, expr);
}

QString verdadero() {
    return "1";
}
QString falso() {
    return "0";
}
QString limite(int n) {
    return QString(" limit %1").arg(n);
}
QString concatenar(const QStringList& e) {
    return "(" + e.join(" || ") + ")";
}

QString como(const QString& columna, const QString& parametro) {
    return QString("%1 like %2 escape '\\'").arg(columna, parametro);
}

QString patronContiene(const QString& texto) {
    QString t = texto;
    t.replace("\\", "\\\\").replace("%", "\\%").replace("_", "\\_");
    return "%" + t + "%";
}

QString igualSinMayusculas(const QString& columna, const QString& parametro) {
    return QString("%1 = %2 collate nocase").arg(columna, parametro);
}

QString autonumero() {
    return "integer primary key autoincrement";
}

QString numeroEntero(const QString& texto) {
    bool ok = false;
    qlonglong n = texto.trimmed().toLongLong(&ok);
    return ok ? QString::number(n) : QString();
}

QString numeroDecimal(double v) {
    return QString::number(v, 'g', 15);
}

}  // namespace dialecto
