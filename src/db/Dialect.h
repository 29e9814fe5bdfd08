#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Everything that differs between database engines. Screens build their SQL with these
// helpers and never test which engine they run on. Only SQLite exists today; a
// PostgreSQL dialect will implement the same functions.
namespace dialecto {

// Dates and times are stored as sortable text "yyyy-MM-dd HH:mm:ss" (never bound as
// QDateTime, whose default binding differs between drivers).
QString fecha(const QDateTime& t);
QString fecha(const QDate& d);                         // the day at 00:00:00
QString inicioDelDia(const QDate& d);                  // "yyyy-MM-dd 00:00:00"
QString finDelDia(const QDate& d);                     // "yyyy-MM-dd 23:59:59"
QDateTime leerFecha(const QVariant& v);                // reads a stored date/time back
QString parteFecha(QChar parte, const QString& expr);  // 'd', 'm' or 'y' of a date column, as integer

// Booleans are stored as 0/1 and compared with 0 for false.
QString verdadero();
QString falso();

// "select ... " + limite(n): at most n rows (the engine's "top n").
QString limite(int n);

// Text concatenation of SQL expressions.
QString concatenar(const QStringList& expresiones);

// Case-insensitive pattern match of a column against a bound parameter holding a
// pattern made by patronContiene(); the escape character is declared here.
QString como(const QString& columna, const QString& parametro);
// "%texto%" with the pattern characters of the typed text escaped, so that a typed
// "%", "_" or "\" matches itself.
QString patronContiene(const QString& texto);
// Case-insensitive equality of a text column and a bound parameter.
QString igualSinMayusculas(const QString& columna, const QString& parametro);

// DDL pieces.
QString autonumero();  // integer key assigned by the database, never reused

// A number pasted into SQL text must be a number: returns its plain text or an empty
// string when it does not read as one.
QString numeroEntero(const QString& texto);
QString numeroDecimal(double v);  // plain decimal text, "." separator, shortest form

}  // namespace dialecto
