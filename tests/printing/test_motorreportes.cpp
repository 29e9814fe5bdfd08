#include <QTest>

#include "TestSupport.h"
#include "common/Formats.h"
#include "db/Sql.h"
#include "printing/Report.h"

using namespace rpt;

// Composition of layouts into pages: bands, groups, sums, page breaks, rolls, labels.
class TestMotorReportes : public QObject {
    Q_OBJECT
  private slots:
    void init() { prueba::limpiar(); }
    void bandasEnSuOrden();
    void gruposAnidadosConSumas();
    void saltosDePaginaConTotalDePaginas();
    void ticketDeRolloLargoSigueEnUnaPagina();
    void textoAjustadoHaceCrecerLaBanda();
    void etiquetasVanATresColumnas();
    void contextoLeeOtrosDatosYParametros();
    void sinDatosPrincipalesElDetalleSaleUnaVez();
    void datosVaciosNoImprimenDetalle();
    void copiasQuedanRegistradas();
    void datosDeUnaConsultaAbierta();
};

static DataSet datos(const QStringList& columnas, const QList<QVariantList>& filas) {
    DataSet d;
    d.columnas = columnas;
    d.filas = filas;
    return d;
}

static Expr pagina(const QString& sep) {
    return [sep](const Contexto& c) {
        return QString::fromUtf8("Página ") + QString::number(c.pagina()) + sep +
               QString::number(c.paginas());
    };
}

void TestMotorReportes::bandasEnSuOrden() {
    Trabajo t;
    t.layout.nombre = "Orden";
    t.layout.datos = "DS";
    t.datos["DS"] = datos({"g", "n"}, {{"A", 1}, {"A", 2}, {"B", 3}});
    t.layout.banda(TipoBanda::PiePagina, 5).texto(0, 0, 50, 5, pagina(" De "));
    t.layout.banda(TipoBanda::Resumen, 5).texto(0, 0, 50, 5, "resumen");
    t.layout.banda(TipoBanda::PieGrupo, 5, "g").texto(0, 0, 50, 5, [](const Contexto& c) {
        return "fin " + c.texto("g");
    });
    t.layout.banda(TipoBanda::Detalle, 5).campo(0, 0, 50, 5, "n");
    t.layout.banda(TipoBanda::EncabezadoGrupo, 5, "g").texto(0, 0, 50, 5, [](const Contexto& c) {
        return "grupo " + c.texto("g");
    });
    t.layout.banda(TipoBanda::EncabezadoPagina, 5).texto(0, 0, 50, 5, "encabezado");
    t.layout.banda(TipoBanda::Titulo, 5).texto(0, 0, 50, 5, "titulo");
    Documento d = componer(t);
    QCOMPARE(d.paginas.size(), 1);
    QCOMPARE(d.textos(), QStringList({"titulo", "encabezado", "grupo A", "1", "2", "fin A", "grupo B", "3",
                                      "fin B", "resumen", QString::fromUtf8("Página 1 De 1")}));
    QCOMPARE(d.texto(), d.textos().join("\n"));
    QCOMPARE(d.textos(TipoBanda::Detalle), QStringList({"1", "2", "3"}));
    // Bands go down the page, the footer at its bottom.
    const auto& b = d.paginas.first().bandas;
    for (int i = 1; i < b.size(); ++i) QVERIFY(b.at(i).rect.top() >= b.at(i - 1).rect.bottom() - 0.001);
    QCOMPARE(b.last().rect.bottom(), 279.4 - 10);
    QCOMPARE(b.first().rect.top(), 10.0);
    QCOMPARE(b.first().rect.left(), 10.0);
}

void TestMotorReportes::gruposAnidadosConSumas() {
    Trabajo t;
    t.layout.datos = "DS";
    t.datos["DS"] = datos({"familia", "marca", "importe"}, {{"Frenos", "Ford", 10.5},
                                                            {"Frenos", "Ford", 4.5},
                                                            {"Frenos", "Nissan", 2},
                                                            {"Motor", "Nissan", 100},
                                                            {"Motor", "Nissan", 1}});
    auto suma = [](const QString& prefijo) {
        return Expr([prefijo](const Contexto& c) {
            return prefijo + c.texto("familia") + "/" + c.texto("marca") + "=" +
                   formato::dinero(c.suma("importe"));
        });
    };
    t.layout.banda(TipoBanda::EncabezadoGrupo, 5, "familia").texto(0, 0, 90, 5, suma("F "));
    t.layout.banda(TipoBanda::EncabezadoGrupo, 5, "marca").texto(0, 0, 90, 5, suma("M "));
    t.layout.banda(TipoBanda::PieGrupo, 5, "marca").texto(0, 0, 90, 5, suma("fin M "));
    t.layout.banda(TipoBanda::PieGrupo, 5, "familia").texto(0, 0, 90, 5, suma("fin F "));
    t.layout.banda(TipoBanda::Resumen, 5).texto(0, 0, 90, 5, [](const Contexto& c) {
        return "total " + formato::dinero(c.suma("importe")) + " doble " +
               formato::dinero(c.suma([](const Contexto& f) { return f.numero("importe") * 2; }));
    });
    QCOMPARE(componer(t).textos(), QStringList({
                                       "F Frenos/Ford=$17.00",  // a header sums its group ahead
                                       "M Frenos/Ford=$15.00",
                                       "fin M Frenos/Ford=$15.00",
                                       "M Frenos/Nissan=$2.00",
                                       "fin M Frenos/Nissan=$2.00",
                                       "fin F Frenos/Nissan=$17.00",
                                       // same brand, new family: the inner group starts again
                                       "F Motor/Nissan=$101.00",
                                       "M Motor/Nissan=$101.00",
                                       "fin M Motor/Nissan=$101.00",
                                       "fin F Motor/Nissan=$101.00",
                                       "total $118.00 doble $236.00",
                                   }));
}

void TestMotorReportes::saltosDePaginaConTotalDePaginas() {
    Trabajo t;
    t.layout.datos = "DS";
    QList<QVariantList> filas;
    for (int i = 1; i <= 120; ++i) filas << QVariantList{i};
    t.datos["DS"] = datos({"n"}, filas);
    t.layout.banda(TipoBanda::Titulo, 20).texto(0, 0, 50, 5, "titulo");
    t.layout.banda(TipoBanda::EncabezadoPagina, 6).texto(0, 0, 50, 5, "columnas");
    t.layout.banda(TipoBanda::Detalle, 5).campo(0, 0, 50, 5, "n");
    t.layout.banda(TipoBanda::PiePagina, 6)
        .texto(0, 0, 50, 5, pagina(" De "))
        .texto(60, 0, 50, 5, pagina(" de "));
    Documento d = componer(t);
    // 259.4 mm of body less 6 of footer: page 1 holds (253.4 - 26) / 5 = 45 rows, the
    // others (253.4 - 6) / 5 = 49.
    QCOMPARE(d.paginas.size(), 3);
    QCOMPARE(d.paginas.at(0).textos().mid(0, 3), QStringList({"titulo", "columnas", "1"}));
    QCOMPARE(d.paginas.at(1).textos().mid(0, 2), QStringList({"columnas", "46"}));
    QCOMPARE(d.paginas.at(2).textos().mid(0, 2), QStringList({"columnas", "95"}));
    QCOMPARE(d.textos(TipoBanda::PiePagina),
             QStringList({QString::fromUtf8("Página 1 De 3"), QString::fromUtf8("Página 1 de 3"),
                          QString::fromUtf8("Página 2 De 3"), QString::fromUtf8("Página 2 de 3"),
                          QString::fromUtf8("Página 3 De 3"), QString::fromUtf8("Página 3 de 3")}));
    QCOMPARE(d.textos(TipoBanda::Detalle).size(), 120);
    for (const PaginaImpresa& p : d.paginas) {
        QCOMPARE(p.tamano, QSizeF(215.9, 279.4));
        for (const BandaImpresa& b : p.bandas)
            if (b.tipo == TipoBanda::Detalle) QVERIFY(b.rect.bottom() <= 279.4 - 10 - 6 + 0.001);
    }
}

void TestMotorReportes::ticketDeRolloLargoSigueEnUnaPagina() {
    Trabajo t;
    t.layout.pagina = Pagina::ticket(5);
    QCOMPARE(t.layout.pagina.tamano, QSizeF(76.2, 127.0));
    QVERIFY(t.layout.pagina.rollo);
    t.layout.datos = "DSTicket";
    QList<QVariantList> filas;
    for (int i = 1; i <= 60; ++i) filas << QVariantList{QString("linea %1").arg(i)};
    t.datos["DSTicket"] = datos({"parte"}, filas);
    double y = 0;
    Banda& cab = t.layout.banda(TipoBanda::Titulo, 0);
    encabezadoTienda(cab, t.layout.pagina.anchoUtil(), y);
    t.layout.banda(TipoBanda::Detalle, 4).campo(0, 0, 60, 4, "parte");
    t.layout.banda(TipoBanda::Resumen, 10).texto(0, 0, 60, 5, QString::fromUtf8("Recibí la mercancía"));
    t.layout.banda(TipoBanda::PiePagina, 5).texto(0, 0, 60, 5, pagina(" De "));
    Documento d = componer(t);
    QCOMPARE(d.paginas.size(), 1);
    const PaginaImpresa& p = d.paginas.first();
    QCOMPARE(p.tamano.width(), 76.2);
    QVERIFY2(p.tamano.height() > 60 * 4, qPrintable(QString::number(p.tamano.height())));
    QVERIFY(d.texto().contains("linea 60\n" + QString::fromUtf8("Recibí la mercancía\nPágina 1 De 1")));
    QVERIFY(d.texto().startsWith("KAVO Refaccionaria\nCasa Tolvane\nRFC: "));
    for (const BandaImpresa& b : p.bandas) QVERIFY(b.rect.bottom() <= p.tamano.height() + 0.001);
    // The footer follows the content; nothing overlaps it.
    QVERIFY(p.bandas.last().rect.top() >= p.bandas.at(p.bandas.size() - 2).rect.bottom() - 0.001);

    // A short ticket keeps its paper length.
    t.datos["DSTicket"] = datos({"parte"}, {{"uno"}});
    QCOMPARE(componer(t).paginas.first().tamano, QSizeF(76.2, 127.0));
    QCOMPARE(Pagina::ticket(6.5).tamano.height(), 165.1);
    QCOMPARE(Pagina::ticket(4.5).tamano.height(), 114.3);
}

void TestMotorReportes::textoAjustadoHaceCrecerLaBanda() {
    Trabajo t;
    Estilo ajustado;
    ajustado.ajustar = true;
    const QString largo = QString("palabra ").repeated(60).trimmed();
    t.layout.banda(TipoBanda::Detalle, 10)
        .texto(0, 0, 40, 5, largo, ajustado)
        .texto(45, 0, 20, 5, "al lado")
        .texto(0, 5, 40, 5, "debajo");
    t.layout.banda(TipoBanda::Resumen, 5).texto(0, 0, 40, 5, "siguiente");
    Documento d = componer(t);
    const auto& bandas = d.paginas.first().bandas;
    const BandaImpresa& b = bandas.first();
    QVERIFY2(b.rect.height() > 20, qPrintable(QString::number(b.rect.height())));
    const ItemImpreso& texto = b.items.at(0);
    QCOMPARE(b.items.at(1).rect.top(), b.rect.top());                     // beside: not moved
    QVERIFY(b.items.at(2).rect.top() >= texto.rect.bottom() - 0.001);     // below: pushed down
    QVERIFY(qAbs(b.rect.bottom() - b.items.at(2).rect.bottom()) < 0.01);  // the band grew as much
    QCOMPARE(bandas.at(1).rect.top(), b.rect.bottom());
}

void TestMotorReportes::etiquetasVanATresColumnas() {
    Trabajo t;
    t.layout.pagina = Pagina::etiquetas30();
    t.layout.datos = "DS";
    QList<QVariantList> filas;
    for (int i = 1; i <= 31; ++i) filas << QVariantList{QString("%1").arg(i, 10, 10, QChar('0'))};
    t.datos["DS"] = datos({"Codigo"}, filas);
    t.layout.banda(TipoBanda::Detalle, 25.4)
        .barras39(3, 2, 60, 12, [](const Contexto& c) { return c.texto("Codigo"); })
        .campo(3, 15, 60, 4, "Codigo");
    Documento d = componer(t);
    QCOMPARE(d.paginas.size(), 2);
    QList<QRectF> pos;
    for (const BandaImpresa& b : d.paginas.first().bandas) pos << b.rect;
    QCOMPARE(pos.size(), 30);
    QCOMPARE(pos.at(0).top(), pos.at(2).top());
    QVERIFY(pos.at(1).left() > pos.at(0).right() - 0.001);
    QVERIFY(pos.at(2).right() <= 215.9 - 4.8 + 0.001);
    QCOMPARE(pos.at(3).top(), pos.at(0).bottom());
    QVERIFY(pos.at(29).bottom() <= 279.4 - 12.7 + 0.001);
    QCOMPARE(d.paginas.at(1).textos(), QStringList({"0000000031"}));
    const ItemImpreso& barras = d.paginas.first().bandas.first().items.first();
    QCOMPARE(barras.tipo, Elemento::Barras39);
    QCOMPARE(barras.texto, QString("0000000001"));
}

void TestMotorReportes::contextoLeeOtrosDatosYParametros() {
    Trabajo t;
    t.layout.datos = "DSTicket";
    t.datos["DSTicket"] = datos({"Cantidad"}, {{2}, {3}});
    t.datos["DSClientes"] = datos({"Nombre", "NombreFiscal"}, {{"Juan", "Juan Pérez"}, {"Otro", "Otro"}});
    t.parametros["Nombre"] = "Cliente de mostrador";
    t.layout.banda(TipoBanda::Titulo, 5).texto(0, 0, 90, 5, [](const Contexto& c) {
        return "Yo " + c.campo("dsclientes", "NOMBREFISCAL").toString() + "|" + c.param("nombre") + "|" +
               c.param("nada") + "|" + c.campo("DSNada", "x").toString() + "|" + c.texto("cantidad") + "|" +
               c.texto("sin columna") + "|" + QString::number(c.fila());
    });
    t.layout.banda(TipoBanda::Resumen, 5).texto(0, 0, 90, 5, [](const Contexto& c) {
        return c.texto("Cantidad") + " de " + QString::number(c.fila());
    });
    QCOMPARE(componer(t).textos(),
             QStringList({QString::fromUtf8("Yo Juan Pérez|Cliente de mostrador|||2||0"), "3 de 1"}));
}

void TestMotorReportes::sinDatosPrincipalesElDetalleSaleUnaVez() {
    Trabajo t;
    t.layout.banda(TipoBanda::Detalle, 5).texto(0, 0, 50, 5, [](const Contexto& c) {
        return "fijo " + QString::number(c.suma("x")) + c.texto("x");
    });
    QCOMPARE(componer(t).textos(), QStringList({"fijo 0"}));
}

void TestMotorReportes::datosVaciosNoImprimenDetalle() {
    Trabajo t;
    t.layout.datos = "DS";
    t.datos["DS"] = datos({"importe", "g"}, {});
    t.layout.banda(TipoBanda::EncabezadoGrupo, 5, "g").texto(0, 0, 50, 5, "grupo");
    t.layout.banda(TipoBanda::Detalle, 5).campo(0, 0, 50, 5, "importe");
    t.layout.banda(TipoBanda::Resumen, 5).texto(0, 0, 50, 5, [](const Contexto& c) {
        return "Total " + formato::dinero(c.suma("importe"));
    });
    QCOMPARE(componer(t).textos(), QStringList({"Total $0.00"}));
    t.layout.datos = "NoExiste";
    QCOMPARE(componer(t).textos(), QStringList({"Total $0.00"}));
}

void TestMotorReportes::copiasQuedanRegistradas() {
    TiendaDePrueba tienda;
    Trabajo t;
    t.layout.nombre = "RvTicketCredito";
    t.layout.pagina = Pagina::ticket(6.5);
    t.copias = 2;
    t.layout.banda(TipoBanda::Titulo, 5).texto(0, 0, 50, 5, "Nota de Venta:");
    QVERIFY(imprimir(t));
    QCOMPARE(prueba::impresos().size(), 1);
    QCOMPARE(prueba::impresos().first().copias, 2);
    QCOMPARE(prueba::impresos().first().layout, QString("RvTicketCredito"));
    QCOMPARE(prueba::impresos().first().textos(), QStringList({"Nota de Venta:"}));
    QVERIFY(tienda.guion.dialogosMostrados.isEmpty());  // no output dialog while captured
    prueba::limpiar();
    QVERIFY(prueba::impresos().isEmpty());
}

void TestMotorReportes::datosDeUnaConsultaAbierta() {
    TiendaDePrueba tienda;
    db::Consulta q("select Id, Unidad, Abreviatura from tbl_app_unidades where Id > :desde order by Id");
    q.bind("desde", 2);
    q.abrir();
    QVERIFY(q.irA(2));
    DataSet d = DataSet::desdeConsulta(q);
    QCOMPARE(d.size(), 6);
    QCOMPARE(d.columnas, QStringList({"Id", "Unidad", "Abreviatura"}));
    QCOMPARE(d.indice("UNIDAD"), 1);
    QCOMPARE(d.indice("otra"), -1);
    QCOMPARE(d.valor(0, "abreviatura").toString(), QString("PAR"));
    QVERIFY(d.valor(6, "Id").isNull());
    QCOMPARE(q.fila(), 2);  // the screen's query keeps its place
    QCOMPARE(DataSet::desdeSql("select Unidad from tbl_app_unidades where Abreviatura = :a", {{"a", "GAL"}})
                 .valor(0, "Unidad")
                 .toString(),
             QString::fromUtf8("Galón"));
    QVERIFY_THROWS_EXCEPTION(db::SqlError, DataSet::desdeSql("select Nada from tbl_app_unidades"));
}

QTEST_MAIN(TestMotorReportes)
#include "test_motorreportes.moc"
