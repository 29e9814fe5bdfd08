#include "common/ATexto.h"

#include "common/Seams.h"

namespace {

using Tabla = const char* [6][10];

// Rows: 0 units (col 9: "one" before the million words), 1 teens, 2 tens (col 9: prefix of
// 21..29), 3 feminine hundreds, 4 masculine hundreds (col 9: 101..199), 5 group words and
// particles: thousand, million, millions, zero, "and", masculine one and two, connector.
const Tabla kEspanol = {
    {"UNA ", "DOS ", "TRES ", "CUATRO ", "CINCO ", "SEIS ", "SIETE ", "OCHO ", "NUEVE ", "UN "},
    {"ONCE ", "DOCE ", "TRECE ", "CATORCE ", "QUINCE ", "DIECISEIS ", "DIECISIETE ", "DIECIOCHO ",
     "DIECINUEVE ", ""},
    {"DIEZ ", "VEINTE ", "TREINTA ", "CUARENTA ", "CINCUENTA ", "SESENTA ", "SETENTA ", "OCHENTA ",
     "NOVENTA ", "VEINTI"},
    {"CIEN ", "DOSCIENTAS ", "TRESCIENTAS ", "CUATROCIENTAS ", "QUINIENTAS ", "SEISCIENTAS ", "SETECIENTAS ",
     "OCHOCIENTAS ", "NOVECIENTAS ", "CIENTO "},
    {"CIEN ", "DOSCIENTOS ", "TRESCIENTOS ", "CUATROCIENTOS ", "QUINIENTOS ", "SEISCIENTOS ", "SETECIENTOS ",
     "OCHOCIENTOS ", "NOVECIENTOS ", "CIENTO "},
    {"MIL ", "MILLON ", "MILLONES ", "CERO ", "Y ", "UN ", "DOS ", "CON ", "", ""},
};

const Tabla kCatalan = {
    {"UNA ", "DUES ", "TRES ", "QUATRE ", "CINC ", "SIS ", "SET ", "VUIT ", "NOU ", "UN "},
    {"ONZE ", "DOTZE ", "TRETZE ", "CATORZE ", "QUINZE ", "SETZE ", "DISSET ", "DIVUIT ", "DINOU ", ""},
    {"DEU ", "VINT ", "TRENTA ", "QUARANTA ", "CINQUANTA ", "SEIXANTA ", "SETANTA ", "VUITANTA ", "NORANTA ",
     "VINT-I-"},
    {"CENT ", "DOS-CENTES ", "TRES-CENTES ", "QUATRE-CENTES ", "CINC-CENTES ", "SIS-CENTES ", "SET-CENTES ",
     "VUIT-CENTES ", "NOU-CENTES ", "CENT "},
    {"CENT ", "DOS-CENTS ", "TRES-CENTS ", "QUATRE-CENTS ", "CINC-CENTS ", "SIS-CENTS ", "SET-CENTS ",
     "VUIT-CENTS ", "NOU-CENTS ", "CENT "},
    {"MIL ", "MILIO ", "MILIONS ", "ZERO ", "-", "UN ", "DOS ", "AMB ", "", ""},
};

struct Palabras {
    QString t[6][10];
};

Palabras tablaDeTrabajo(int idioma, int genero) {
    const Tabla& base = idioma == 2 ? kCatalan : kEspanol;
    Palabras p;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c) p.t[r][c] = QString::fromLatin1(base[r][c]);
    if (genero == 1) {
        p.t[0][0] = p.t[5][5];
        p.t[0][1] = p.t[5][6];
        for (int c = 0; c < 10; ++c) p.t[3][c] = p.t[4][c];
    }
    return p;
}

// Spells a string of exactly 12 digits (D1 the most significant) onto `texto`.
void deletrear(const Palabras& w, const QString& d, QString& texto) {
    auto D = [&](int p) { return d.at(p - 1).unicode() - '0'; };  // digit at position p (1..12)
    auto tres = [&](int p) { return d.mid(p - 1, 3); };           // D(p)D(p+1)D(p+2)
    int inicio = 1;
    while (inicio <= 12 && D(inicio) == 0) ++inicio;
    for (int p = inicio; p <= 12; ++p) {
        int lugar = (p - 1) % 3;  // 0 hundreds, 1 tens, 2 units
        int x = D(p);
        if (lugar == 0) {
            if (x == 0) continue;
            int fila = (p == 1 || p == 4) ? 4 : 3;
            if (x == 1 && d.mid(p, 2) != "00")
                texto += w.t[fila][9];
            else
                texto += w.t[fila][x - 1];
        } else if (lugar == 1) {
            if (x == 0) continue;
            int sig = D(p + 1);
            if (sig == 0)
                texto += w.t[2][x - 1];
            else if (x == 1)
                texto += w.t[1][sig - 1];
            else if (x == 2)
                texto += w.t[2][9];
            else
                texto += w.t[2][x - 1] + w.t[5][4];
        } else {
            bool omitir = x == 0 || D(p - 1) == 1 || ((p == 3 || p == 9) && tres(p - 2) == "001");
            if (!omitir) {
                if (x == 1 && (p == 3 || p == 6))
                    texto += w.t[0][9];
                else
                    texto += w.t[0][x - 1];
            }
            if ((p == 3 || p == 9) && tres(p - 2) != "000") texto += w.t[5][0];
            if (p == 6) texto += d.left(6) == "000001" ? w.t[5][1] : w.t[5][2];
        }
    }
}

}  // namespace

QString ImporteConLetra(Money monto, int idioma, int genero, FormaLetra forma) {
    bool ok = false;
    QString texto = ImporteConLetraTexto(monto, idioma, genero, forma, &ok);
    if (!ok) throw ui::AbortoSilencioso{};
    return texto;
}

QString ImporteConLetraTexto(Money monto, int idioma, int genero, FormaLetra forma, bool* ok) {
    const int64_t maximo = int64_t(999999999999) * 10000 + 9900;  // 999,999,999,999.99
    if (ok) *ok = false;
    if (monto.units() < 0 || monto.units() > maximo || idioma < 1 || idioma > 2 || genero < 1 || genero > 2)
        return "ERROR EN ARGUMENTOS";
    if (ok) *ok = true;
    Palabras w = tablaDeTrabajo(idioma, genero);

    int64_t enteros = monto.units() / 10000;
    // Half a cent rounds up; 0.995 and above gives 100 cents, which are not carried into
    // the whole pesos.
    int centavos = int((monto.units() % 10000 + 50) / 100);

    QString texto;
    deletrear(w, QString::number(enteros).rightJustified(12, '0'), texto);
    if (texto.isEmpty()) texto = w.t[5][3];

    if (forma == FormaLetra::Ticket) {
        texto += "Pesos ";
        if (centavos != 0) {
            texto += w.t[5][7];
            deletrear(w, QString::number(centavos).rightJustified(12, '0'), texto);
            texto += "Pesos ";
        }
    }
    if (idioma == 2) texto.replace(" -", "-");
    return texto.trimmed();
}
