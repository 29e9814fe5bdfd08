#pragma once
#include <QString>

#include "db/Money.h"

// Writes an amount in upper-case Spanish (or Catalan) words, as Mexican invoices and
// receipts state a total in letters.
enum class FormaLetra { Simple, Ticket };

// idioma: 1 Spanish, 2 Catalan; genero: 1 masculine, 2 feminine.
// Bad arguments (negative amount, more than 999,999,999,999.99, idioma or genero outside
// 1..2) give "ERROR EN ARGUMENTOS" and end the calling operation silently by throwing
// ui::AbortoSilencioso (the screen's handler swallows it through ui::protegido).
QString ImporteConLetra(Money monto, int idioma, int genero, FormaLetra forma);

// The same words without the silent abort: bad arguments give "ERROR EN ARGUMENTOS" and
// ok=false.
QString ImporteConLetraTexto(Money monto, int idioma, int genero, FormaLetra forma, bool* ok = nullptr);
