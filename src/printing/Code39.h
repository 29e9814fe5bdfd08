#pragma once
#include <QString>

// Code 39 bar codes, as printed on product labels. A code is framed by the start/stop
// character '*'; every character is nine elements (bar, space, bar...), three of them
// wide, and characters are separated by one narrow space.
namespace rpt::codigo39 {

// The text that can be drawn: lower case letters raised, characters outside the Code 39
// set (0-9 A-Z - . space $ / + %) dropped.
QString normalizar(const QString& texto);
// The nine elements of one character as 'n' (narrow) and 'w' (wide), bars and spaces
// alternating, starting with a bar; empty when the character has no code.
QString elementos(QChar c);
// The whole symbol for `texto` (start and stop added) as modules: '1' bar, '0' space, with
// wide elements `ancho` modules wide, narrow ones one module.
QString modulos(const QString& texto, int ancho = 2);

}  // namespace rpt::codigo39
