#pragma once
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include "db/Money.h"

// Display formats of the system, always under the Mexican Spanish locale whatever the
// machine's own locale is.
namespace formato {

QLocale locale();  // es_MX

QString moneda(double v);  // system currency format "%m": 1234.56 -> "$1,234.56", -5 -> "-$5.00"
QString moneda(Money v);
QString dinero(double v);               // "$,0.00" (grids, printed documents): "$1,234.56", "$0.50"
QString dineroTicket(double v);         // "$,.00" (ticket unit prices): "$1,234.56", "$.50"
QString dineroCero(double v);           // "$0,.00"
QString porcentaje(double v);           // "0.00%": 16 -> "16.00%"
QString entero(double v);               // "0": rounded, no separators
QString fecha(const QDate& d);          // "dd/mm/yyyy"
QString fecha(const QDateTime& t);      // "dd/mm/yyyy"
QString fechaMesLargo(const QDate& d);  // "dd/mmmm/yyyy": "10/enero/2026"
QString fechaCorta(const QDate& d);     // the system short date format (dd/MM/yyyy)
QString horaLarga(const QTime& t);      // the system long time format (HH:mm:ss)
QString fechaHora(const QDateTime& t);  // short date + long time, as a date/time cell shows it

// Plain decimal text used in SQL and hidden grid cells: shortest form, up to 15
// significant digits, "." as separator: 11.5115, 135, -2.5.
QString decimal(double v);
// Reads a decimal typed by the cashier ("." or the locale separator); ok=false when it
// is not a number.
double leerDecimal(const QString& texto, bool* ok);
// Reads a whole number; "1.5" and "-" are not whole numbers.
int leerEntero(const QString& texto, bool* ok);

// The conversion error shown when a typed text is not a number, as the platform words it.
QString errorConversion(const QString& texto);
// The engine's refusal when a typed text stands where a number is compared (a search by
// number given letters): the query is not run.
QString errorCriterio(const QString& texto);

}  // namespace formato
