#include "printing/Code39.h"

namespace rpt::codigo39 {
namespace {

struct Simbolo {
    char c;
    unsigned short patron;  // nine bits, most significant first; 1 = wide element
};

const Simbolo kTabla[] = {
    {'0', 0x034}, {'1', 0x121}, {'2', 0x061}, {'3', 0x160}, {'4', 0x031}, {'5', 0x130}, {'6', 0x070},
    {'7', 0x025}, {'8', 0x124}, {'9', 0x064}, {'A', 0x109}, {'B', 0x049}, {'C', 0x148}, {'D', 0x019},
    {'E', 0x118}, {'F', 0x058}, {'G', 0x00D}, {'H', 0x10C}, {'I', 0x04C}, {'J', 0x01C}, {'K', 0x103},
    {'L', 0x043}, {'M', 0x142}, {'N', 0x013}, {'O', 0x112}, {'P', 0x052}, {'Q', 0x007}, {'R', 0x106},
    {'S', 0x046}, {'T', 0x016}, {'U', 0x181}, {'V', 0x0C1}, {'W', 0x1C0}, {'X', 0x091}, {'Y', 0x190},
    {'Z', 0x0D0}, {'-', 0x085}, {'.', 0x184}, {' ', 0x0C4}, {'$', 0x0A8}, {'/', 0x0A2}, {'+', 0x08A},
    {'%', 0x02A}, {'*', 0x094},
};

int patronDe(QChar c) {
    for (const Simbolo& s : kTabla)
        if (c == QLatin1Char(s.c)) return s.patron;
    return -1;
}

}  // namespace

QString normalizar(const QString& texto) {
    QString r;
    for (QChar c : texto.toUpper())
        if (c != '*' && patronDe(c) >= 0) r += c;
    return r;
}

QString elementos(QChar c) {
    int p = patronDe(c.toUpper());
    if (p < 0) return QString();
    QString r;
    for (int bit = 8; bit >= 0; --bit) r += (p >> bit) & 1 ? 'w' : 'n';
    return r;
}

QString modulos(const QString& texto, int ancho) {
    QString simbolo = "*" + normalizar(texto) + "*";
    QString r;
    for (int i = 0; i < simbolo.size(); ++i) {
        if (i > 0) r += '0';  // the gap between characters
        QString e = elementos(simbolo.at(i));
        for (int k = 0; k < e.size(); ++k) r += QString(e.at(k) == 'w' ? ancho : 1, k % 2 == 0 ? '1' : '0');
    }
    return r;
}

}  // namespace rpt::codigo39
