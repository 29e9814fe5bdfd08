#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "common/Formats.h"
#include "common/Sesion.h"
#include "db/Clock.h"
#include "db/DataFolder.h"
#include "db/Dialect.h"
#include "db/Money.h"
#include "db/Password.h"
#include "db/Sql.h"
#include "tools/Demo.h"

namespace {
const QDateTime kAhora(QDate(2026, 1, 10), QTime(17, 5, 0));

QVariant uno(const QString& sql, const QVariantMap& p = {}) {
    return db::valorUnico(sql, p);
}
int cuenta(const QString& sql, const QVariantMap& p = {}) {
    return uno(sql, p).toInt();
}

// A fingerprint of the store's contents (every table the demonstration fills, except
// the users, whose password hashes are salted at random).
QByteArray huella() {
    static const char* kTablas[] = {"tblcat_marcas",
                                    "tblcat_modelos",
                                    "tblcat_familias",
                                    "tblcat_productos",
                                    "tblcat_semejantes",
                                    "tblcat_clientes",
                                    "tblctrl_descuentos",
                                    "tblcat_proveedores",
                                    "tblctrl_consecutivos",
                                    "tblctrl_tipodecambio",
                                    "tblctrl_saldosventas",
                                    "tblctrl_kardexventas",
                                    "tblctrl_credito",
                                    "tblctrl_saldoscredito",
                                    "tblctrl_kardexcredito",
                                    "tblctrl_saldoscotizaciones",
                                    "tblctrl_kardexcotizaciones",
                                    "tblctrl_saldostraspasos",
                                    "tblctrl_kardextraspasos",
                                    "tblctrl_saldoscompras",
                                    "tblctrl_kardexcompras",
                                    "tblctrl_cuentasxpagar",
                                    "tblctrl_kardexcuentasxpagar",
                                    "tbl_hist_mercancias",
                                    "tblrel_permisos",
                                    "tbl_app_configuracion"};
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const char* t : kTablas) {
        QStringList orden;
        for (int i = 1; i <= db::cnn().record(t).count(); ++i) orden << QString::number(i);
        QSqlQuery q(db::cnn());
        if (!q.exec(QString("select * from %1 order by %2").arg(t, orden.join(", ")))) qFatal("%s", t);
        h.addData(QByteArray(t));
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i) h.addData((q.value(i).toString() + "|").toUtf8());
            h.addData(QByteArray("\n"));
        }
    }
    return h.result().toHex();
}

bool eanValido(const QString& c) {
    if (c.size() != 13) return false;
    int suma = 0;
    for (int i = 0; i < 12; ++i) suma += c[i].digitValue() * (i % 2 ? 3 : 1);
    return c[12].digitValue() == (10 - suma % 10) % 10;
}
}  // namespace

class TestDemo : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void quedaCerradaYMarcada();
    void catalogoCompleto();
    void anosEscritosComoLaPantallaDeProductos();
    void clientesDeCadaEsquemaYCredito();
    void usuarioDeMostrador_data();
    void usuarioDeMostrador();
    void consecutivosTerminanEnElUltimoNumero();
    void ventasConSusRenglonesYDeudas();
    void libroDeCreditoCuadra();
    void cotizacionTraspasoComprasYValorDeInventario();
    void mismosDatosCadaVez();
    void rechazaLaBaseDeUnaTienda_data();
    void rechazaLaBaseDeUnaTienda();
    void rechazaLaCarpetaDeLaTienda_data();
    void rechazaLaCarpetaDeLaTienda();

  private:
    QTemporaryDir dir_;
    QString carpeta_;
    void abrir(const QString& carpeta) {
        db::Apertura a = db::abrirConexion(carpeta + "/Db/KAVO_Autopartes_DB.sqlite");
        QVERIFY2(a.ok, qPrintable(a.error));
        QVERIFY(!a.creada);
    }
};

void TestDemo::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));
    reloj::fijar(kAhora);
    carpeta_ = dir_.path() + "/demo";
    QString e;
    QVERIFY2(demo::crearTienda(carpeta_, &e), qPrintable(e));
}

void TestDemo::cleanupTestCase() {
    db::cerrarConexion();
    reloj::liberar();
}

void TestDemo::init() {
    reloj::fijar(kAhora);
    if (!db::conectada()) abrir(carpeta_);
}

void TestDemo::quedaCerradaYMarcada() {
    db::cerrarConexion();
    QString e;
    QVERIFY2(demo::crearTienda(carpeta_, &e), qPrintable(e));  // re-creating a demo is allowed
    QVERIFY(!db::conectada());
    QCOMPARE(QDir::cleanPath(datos::carpeta()), QDir::cleanPath(carpeta_));
    QVERIFY(demo::esDemostracion(datos::archivoBaseDatos()));
    abrir(carpeta_);
    QCOMPARE(
        uno("select Nombre from tbl_app_configuracion where Id = :i", {{"i", demo::kIdMarcaDemostracion}})
            .toString(),
        QString::fromUtf8(demo::kMarcaDemostracion));
    QCOMPARE(uno("select TipoCambio from tblctrl_tipodecambio").toDouble(), 17.25);
}

void TestDemo::catalogoCompleto() {
    QVERIFY(cuenta("select count(*) from tblcat_marcas") >= 12);
    for (const char* m : {"NISSAN", "CHEVROLET", "VOLKSWAGEN", "FORD", "TOYOTA", "HONDA", "DODGE", "RENAULT",
                          "SEAT", "KIA", "MAZDA", "MITSUBISHI"})
        QVERIFY2(cuenta("select count(*) from tblcat_modelos O join tblcat_marcas M on M.Id = O.Marca "
                        "where M.Marca = :m",
                        {{"m", m}}) >= 4,
                 m);
    QCOMPARE(cuenta("select count(*) from tblcat_modelos O join tblcat_marcas M on M.Id = O.Marca where "
                    "M.Marca = 'NISSAN' and O.Modelo in ('TSURU', 'SENTRA', 'TIIDA', 'MARCH')"),
             4);
    QVERIFY(cuenta("select count(*) from tblcat_familias where Porcentaje > 0") >= 18);
    QVERIFY(cuenta("select count(*) from tblcat_familias where Familia = 'RÓTULAS'") == 1);

    const int productos = cuenta("select count(*) from tblcat_productos");
    QVERIFY2(productos >= 200 && productos <= 500, qPrintable(QString::number(productos)));
    // Every product is complete as the products screen requires it, and located.
    QCOMPARE(
        cuenta("select count(*) from tblcat_productos P where trim(coalesce(Parte, '')) = '' or "
               "Costo1 is null or Precio1 is null or Precio1 < Costo1 or coalesce(Ano, '') = '' or "
               "not exists (select 1 from tblcat_familias F where F.Id = P.Familia) or "
               "not exists (select 1 from tblcat_modelos O where O.Id = P.Modelo and O.Marca = P.Marca) or "
               "not exists (select 1 from tblcat_proveedores V where V.Id = P.Proveedor) or "
               "not exists (select 1 from tbl_app_unidades U where U.Id = P.Unidad) or "
               "Moneda not in ('Pesos', 'Dólares') or Minimo > Maximo or Existencia < 0 or "
               "coalesce(Bodega_Linea, '') = '' or coalesce(Bodega_Anaquel, '') = '' or "
               "coalesce(CodigoParte, '') = ''"),
        0);
    QVERIFY(cuenta("select count(*) from tblcat_productos where Moneda = 'Dólares'") >= 10);
    QVERIFY(cuenta("select count(*) from tblcat_productos where Existencia = 0") >= 5);
    QVERIFY(cuenta("select count(*) from tblcat_productos where Existencia <= Minimo and Existencia > 0") >=
            5);
    QVERIFY(cuenta("select count(*) from tblcat_productos where Parte like '%CIGUEÑAL%'") > 0);
    QCOMPARE(cuenta("select count(distinct CodigoParte) from tblcat_productos"), productos);

    QSqlQuery q(db::cnn());
    QVERIFY(q.exec("select CodigoDeBarras from tblcat_productos where coalesce(CodigoDeBarras, '') <> ''"));
    int barras = 0;
    while (q.next()) {
        QVERIFY2(eanValido(q.value(0).toString()), qPrintable(q.value(0).toString()));
        ++barras;
    }
    QVERIFY(barras > productos * 8 / 10);

    // Further fitments are found by the same searches as the product's own vehicle.
    const int semejantes = cuenta("select count(*) from tblcat_semejantes");
    QVERIFY(semejantes >= 30);
    QCOMPARE(cuenta("select count(*) from view_partes2"), productos + semejantes);
    QCOMPARE(
        cuenta("select count(*) from tblcat_semejantes S where not exists (select 1 from tblcat_modelos O "
               "where O.Id = S.Modelo and O.Marca = S.Marca) or not exists (select 1 from "
               "tblcat_productos P where P.Id = S.Producto)"),
        0);
}

void TestDemo::anosEscritosComoLaPantallaDeProductos() {
    for (const char* tabla : {"tblcat_productos", "tblcat_semejantes"}) {
        QSqlQuery q(db::cnn());
        QVERIFY(q.exec(QString("select Ano, AnoDesplegado from %1").arg(tabla)));
        while (q.next()) {
            const QString ano = q.value(0).toString(), lista = q.value(1).toString();
            QCOMPARE(ano.size(), 5);
            auto siglo = [](int y) { return y <= 30 ? 2000 + y : 1900 + y; };
            const int a = siglo(ano.left(2).toInt()), b = siglo(ano.right(2).toInt());
            QVERIFY2(a <= b, qPrintable(ano));
            const QStringList anos = lista.split(',');
            QCOMPARE(anos.size(), b - a + 1);
            QCOMPARE(anos.first(), QString::number(a));
            QCOMPARE(anos.last(), QString::number(b));
            QVERIFY(lista.size() <= (QByteArray(tabla) == "tblcat_semejantes" ? 50 : 255));
        }
    }
    QCOMPARE(
        uno("select AnoDesplegado from tblcat_productos where Ano = '90-26' limit 1").toString().left(15),
        QString("1990,1991,1992,"));
}

void TestDemo::clientesDeCadaEsquemaYCredito() {
    for (int esquema : {1, 2, 3})
        QVERIFY(cuenta("select count(*) from tblcat_clientes where TipoDescuento = :t", {{"t", esquema}}) >=
                2);
    QVERIFY(cuenta("select count(*) from tblcat_clientes where Credito = 0") >= 2);
    // The per-family customers hold one row per family, as the customer screen makes them.
    const int familias = cuenta("select count(*) from tblcat_familias");
    QSqlQuery q(db::cnn());
    QVERIFY(q.exec("select Id from tblcat_clientes where TipoDescuento = 3"));
    while (q.next())
        QCOMPARE(cuenta("select count(distinct Familia) from tblctrl_descuentos where Cliente = :c",
                        {{"c", q.value(0)}}),
                 familias);
    QVERIFY(cuenta("select count(*) from tblctrl_descuentos where Porcentaje > 0") > 0);

    // Blocked, with an overdue debt.
    QCOMPARE(cuenta("select count(*) from tblcat_clientes C where Credito <> 0 and Bloqueado <> 0 and exists "
                    "(select 1 from tblctrl_credito D where D.Cliente = C.Id and D.Saldo > 0 and "
                    "D.FechaVencimiento < :ahora)",
                    {{"ahora", dialecto::fecha(kAhora)}}),
             1);
    // Near its limit but still within it.
    QCOMPARE(cuenta("select count(*) from tblcat_clientes C where Credito <> 0 and Bloqueado = 0 and "
                    "(select sum(Saldo) from tblctrl_credito D where D.Cliente = C.Id and D.Saldo > 0) "
                    "between C.LimiteCredito * 0.85 and C.LimiteCredito - 0.01"),
             1);
    // Two suppliers with their bank data; the CLABE carries a valid check digit.
    QCOMPARE(cuenta("select count(*) from tblcat_proveedores where coalesce(Banco, '') <> '' and "
                    "coalesce(Cuenta, '') <> '' and length(CLABE) = 18"),
             2);
    QVERIFY(q.exec("select CLABE from tblcat_proveedores"));
    while (q.next()) {
        const QString c = q.value(0).toString();
        static const int pesos[] = {3, 7, 1};
        int suma = 0;
        for (int i = 0; i < 17; ++i) suma += (c[i].digitValue() * pesos[i % 3]) % 10;
        QCOMPARE(c[17].digitValue(), (10 - suma % 10) % 10);
    }
}

void TestDemo::usuarioDeMostrador_data() {
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<int>("modulo");
    QTest::addColumn<bool>("tiene");
    QTest::newRow("admin usuarios") << "admin" << 40 << true;
    QTest::newRow("admin agregar producto") << "admin" << 13 << true;
    QTest::newRow("ventas") << "mostrador" << 2 << true;
    QTest::newRow("efectivo") << "mostrador" << 11 << true;
    QTest::newRow("crédito") << "mostrador" << 9 << true;
    QTest::newRow("cliente para descuento") << "mostrador" << 5 << true;
    QTest::newRow("clientes") << "mostrador" << 32 << true;
    QTest::newRow("usuarios") << "mostrador" << 40 << false;
    QTest::newRow("modificar usuarios") << "mostrador" << 43 << false;
    QTest::newRow("agregar producto") << "mostrador" << 13 << false;
    QTest::newRow("modificar producto") << "mostrador" << 15 << false;
    QTest::newRow("nuevo cliente") << "mostrador" << 33 << false;
    QTest::newRow("precio especial") << "mostrador" << 4 << false;
    QTest::newRow("cancelación") << "mostrador" << 7 << false;
}

void TestDemo::usuarioDeMostrador() {
    QFETCH(QString, usuario);
    QFETCH(int, modulo);
    QFETCH(bool, tiene);
    QSqlQuery q(db::cnn());
    q.prepare("select Id, Password from tblcat_usuarios where Usuario = :u");
    q.bindValue(":u", usuario);
    QVERIFY(q.exec() && q.next());
    const QString guardada = q.value(1).toString();
    QVERIFY(contrasena::verificar(usuario, guardada));  // the password is the user name
    QVERIFY(!contrasena::verificar(usuario.toUpper(), guardada));
    QVERIFY(guardada != usuario);
    QCOMPARE(sesion::TienePermiso(q.value(0).toInt(), modulo), tiene);
}

void TestDemo::consecutivosTerminanEnElUltimoNumero() {
    QCOMPARE(uno("select IdProductos from tblctrl_consecutivos").toInt(),
             uno("select max(Id) from tblcat_productos").toInt());
    QCOMPARE(uno("select IdProductos from tblctrl_consecutivos").toInt(),
             cuenta("select count(*) from tblcat_productos"));
    QCOMPARE(uno("select IdNotaVenta from tblctrl_consecutivos").toInt(),
             uno("select max(Id) from tblctrl_saldosventas").toInt());
    QCOMPARE(uno("select IdNotaVenta from tblctrl_consecutivos").toInt(),
             cuenta("select count(*) from tblctrl_saldosventas"));
    QCOMPARE(cuenta("select count(*) from tblctrl_consecutivos"), 1);
}

void TestDemo::ventasConSusRenglonesYDeudas() {
    const QString ahora = dialecto::fecha(kAhora);
    QVERIFY(cuenta("select count(*) from tblctrl_saldosventas") >= 20);
    // Sales of today (before now) for the same-day screens, and of the days before.
    QVERIFY(cuenta("select count(*) from tblctrl_saldosventas where Fecha between :a and :b and Credito = 0",
                   {{"a", dialecto::inicioDelDia(kAhora.date())}, {"b", ahora}}) >= 2);
    QVERIFY(cuenta("select count(distinct substr(Fecha, 1, 10)) from tblctrl_saldosventas where Fecha >= :a",
                   {{"a", dialecto::inicioDelDia(kAhora.date().addDays(-6))}}) == 7);
    QCOMPARE(cuenta("select count(*) from tblctrl_saldosventas where Fecha > :a", {{"a", ahora}}), 0);
    // Numbers grow with the dates, totals add up, nothing is invoiced yet.
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldosventas A join tblctrl_saldosventas B on B.Id = A.Id + 1 "
               "where B.Fecha < A.Fecha"),
        0);
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldosventas V where Factura <> 0 or Usuario <> 0 or "
               "abs(Total - (select sum(K.Cantidad * K.Precio) from tblctrl_kardexventas K where K.Saldo = "
               "V.Id)) > 0.00001 or not exists (select 1 from tblctrl_kardexventas K where K.Saldo = V.Id)"),
        0);
    QCOMPARE(
        cuenta("select count(*) from tblctrl_kardexventas K where K.Fecha <> (select Fecha from "
               "tblctrl_saldosventas V where V.Id = K.Saldo) or not exists (select 1 from tblcat_productos P "
               "where P.Id = K.Producto)"),
        0);
    // Cash sales have no customer and no debt; each credit sale has exactly its one debt.
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldosventas V where Credito = 0 and (Cliente <> 0 or exists "
               "(select 1 from tblctrl_credito D where D.Documento = V.Id))"),
        0);
    QVERIFY(cuenta("select count(*) from tblctrl_saldosventas where Credito <> 0") >= 6);
    QSqlQuery q(db::cnn());
    QVERIFY(
        q.exec("select V.Id, V.Cliente, V.Total, V.Fecha, C.DiasCredito from tblctrl_saldosventas V join "
               "tblcat_clientes C on C.Id = V.Cliente where V.Credito <> 0"));
    while (q.next()) {
        QSqlQuery d(db::cnn());
        d.prepare(
            "select Cliente, Cantidad, Fecha, FechaVencimiento from tblctrl_credito where Documento = :d");
        d.bindValue(":d", q.value(0));
        QVERIFY(d.exec() && d.next());
        QCOMPARE(d.value(0).toInt(), q.value(1).toInt());
        QCOMPARE(Money::fromVariant(d.value(1)), Money::fromVariant(q.value(2)));
        QCOMPARE(d.value(2).toString(), q.value(3).toString());
        QCOMPARE(dialecto::leerFecha(d.value(3)),
                 dialecto::leerFecha(q.value(3)).addDays(q.value(4).toInt()));
        QVERIFY(!d.next());
    }
}

void TestDemo::libroDeCreditoCuadra() {
    QCOMPARE(cuenta("select count(*) from tblctrl_credito where Saldo < 0 or Saldo > Cantidad"), 0);
    QCOMPARE(cuenta("select count(*) from tblctrl_credito where (Saldo = 0) <> (Pagado <> 0) or "
                    "(Saldo = 0 and Status <> 'Nota Pagada') or (Saldo = Cantidad and Status <> 'Sin Pago')"),
             0);
    // Each payment is fully applied; each debt went down by exactly what was applied to it.
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldoscredito P where abs(P.Cantidad - (select "
               "coalesce(sum(K.Cantidad), 0) from tblctrl_kardexcredito K where K.Saldo = P.Id)) > 0.00001"),
        0);
    QCOMPARE(
        cuenta(
            "select count(*) from tblctrl_credito D where abs(D.Cantidad - D.Saldo - (select "
            "coalesce(sum(K.Cantidad), 0) from tblctrl_kardexcredito K where K.Credito = D.Id)) > 0.00001"),
        0);
    QCOMPARE(cuenta("select count(*) from tblctrl_kardexcredito K join tblctrl_credito D on D.Id = K.Credito "
                    "where K.Documento <> D.Documento or K.Cliente <> D.Cliente"),
             0);
    QVERIFY(cuenta("select count(*) from tblctrl_credito where Pagado <> 0") >= 1);
    // The partly paid debt shows its balance as the credit screen writes it.
    QSqlQuery q(db::cnn());
    QVERIFY(q.exec("select Saldo, Status from tblctrl_credito where Saldo > 0 and Saldo < Cantidad"));
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toString(),
             "Nota Parcialmente Pagada, Adeudo: " + formato::moneda(Money::fromVariant(q.value(0))));
    QCOMPARE(
        uno("select K.Status from tblctrl_kardexcredito K join tblctrl_credito D on D.Id = K.Credito where "
            "D.Saldo > 0 and D.Saldo < D.Cantidad")
            .toString(),
        q.value(1).toString());
    QCOMPARE(cuenta("select count(*) from tblctrl_credito where Saldo > 0 and FechaVencimiento < :a",
                    {{"a", dialecto::fecha(kAhora)}}),
             1);
}

void TestDemo::cotizacionTraspasoComprasYValorDeInventario() {
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldoscotizaciones C where trim(coalesce(Nombre, '')) = '' or "
               "abs(Total - (select sum(K.Cantidad * K.Precio) from tblctrl_kardexcotizaciones K where "
               "K.Saldo = C.Id)) > 0.00001"),
        0);
    QVERIFY(cuenta("select count(*) from tblctrl_saldoscotizaciones where Cliente <> 0") >= 1);
    QVERIFY(cuenta("select count(*) from tblctrl_kardexcotizaciones") >= 2);
    QCOMPARE(cuenta("select count(*) from tblctrl_kardexcotizaciones where Tipo <> 'TW'"), 0);

    QVERIFY(cuenta("select count(*) from tblctrl_saldostraspasos where Cliente = 0 and Usuario = 0") >= 1);
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldostraspasos T where abs(Total - (select sum(K.Cantidad * "
               "K.Precio) from tblctrl_kardextraspasos K where K.Saldo = T.Id)) > 0.00001"),
        0);

    QVERIFY(cuenta("select count(*) from tblctrl_saldoscompras") >= 1);
    QCOMPARE(
        cuenta("select count(*) from tblctrl_saldoscompras C where abs(Total - (select sum(K.Precio) from "
               "tblctrl_kardexcompras K where K.Saldo = C.Id)) > 0.00001"),
        0);
    QCOMPARE(
        cuenta("select count(*) from tblctrl_cuentasxpagar D where Saldo < 0 or Saldo > Cantidad or "
               "abs(Cantidad - Saldo - (select coalesce(sum(K.Cantidad), 0) from tblctrl_kardexcuentasxpagar "
               "K where K.Cuenta = D.Id)) > 0.00001"),
        0);

    // Snapshots through the history, one row per family each, the last one now.
    const int familias = cuenta("select count(*) from tblcat_familias");
    QVERIFY(cuenta("select count(distinct fecha) from tbl_hist_mercancias") >= 5);
    QCOMPARE(cuenta("select count(*) from tbl_hist_mercancias"),
             familias * cuenta("select count(distinct fecha) from tbl_hist_mercancias"));
    QCOMPARE(uno("select max(fecha) from tbl_hist_mercancias").toString(), dialecto::fecha(kAhora));
    QCOMPARE(Money::fromVariant(uno("select sum(total) from tbl_hist_mercancias where fecha = :f",
                                    {{"f", dialecto::fecha(kAhora)}})),
             Money::fromVariant(uno("select sum(total) from View_App_Mercancias")));
}

void TestDemo::mismosDatosCadaVez() {
    const QByteArray primera = huella();
    const int ventas = cuenta("select count(*) from tblctrl_saldosventas");
    db::cerrarConexion();

    // Another folder, the same clock: the same store.
    const QString otra = dir_.path() + "/otra";
    QString e;
    QVERIFY2(demo::crearTienda(otra, &e), qPrintable(e));
    abrir(otra);
    QCOMPARE(huella(), primera);
    db::cerrarConexion();

    // Re-created over itself: replaced, not added to.
    QVERIFY2(demo::crearTienda(otra, &e), qPrintable(e));
    abrir(otra);
    QCOMPARE(cuenta("select count(*) from tblctrl_saldosventas"), ventas);
    QCOMPARE(huella(), primera);
    db::cerrarConexion();

    // A later day: the recent sales follow the clock.
    reloj::fijar(QDateTime(QDate(2026, 3, 2), QTime(9, 40, 0)));
    QVERIFY2(demo::crearTienda(otra, &e), qPrintable(e));
    abrir(otra);
    QVERIFY(cuenta("select count(*) from tblctrl_saldosventas where Fecha like '2026-03-02%'") >= 2);
    QCOMPARE(cuenta("select count(*) from tblcat_productos"),
             cuenta("select IdProductos from tblctrl_consecutivos"));
    db::cerrarConexion();
    reloj::fijar(kAhora);
}

void TestDemo::rechazaLaBaseDeUnaTienda_data() {
    QTest::addColumn<bool>("sqlite");
    QTest::newRow("base de una tienda") << true;
    QTest::newRow("archivo que no es base de datos") << false;
}

void TestDemo::rechazaLaBaseDeUnaTienda() {
    QFETCH(bool, sqlite);
    db::cerrarConexion();
    QTemporaryDir tienda;
    const QString archivo = tienda.path() + "/Db/KAVO_Autopartes_DB.sqlite";
    QVERIFY(QDir().mkpath(tienda.path() + "/Db"));
    if (sqlite) {
        db::Apertura a = db::abrirConexion(archivo);
        QVERIFY2(a.ok, qPrintable(a.error));
        db::ejecutar("insert into tblcat_clientes (Nombre) values ('CLIENTE DE LA TIENDA')");
        db::cerrarConexion();
    } else {
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("datos de la tienda anterior");
    }
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray antes = f.readAll();
    f.close();

    const QString carpetaAntes = datos::carpeta();
    QString e;
    QVERIFY(!demo::crearTienda(tienda.path(), &e));
    QVERIFY2(e.contains("ya contiene la base de datos de una tienda"), qPrintable(e));
    QCOMPARE(datos::carpeta(), carpetaAntes);
    QVERIFY(!db::conectada());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), antes);
    f.close();
    if (sqlite) {
        QVERIFY(!demo::esDemostracion(archivo));
        abrir(tienda.path());
        QCOMPARE(cuenta("select count(*) from tblcat_clientes where Nombre = 'CLIENTE DE LA TIENDA'"), 1);
        QCOMPARE(cuenta("select count(*) from tblcat_productos"), 0);
        db::cerrarConexion();
    }
}

void TestDemo::rechazaLaCarpetaDeLaTienda_data() {
    const QString tienda =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/KAVO_Refaccionaria";
    QTest::addColumn<QString>("carpeta");
    QTest::newRow("tal cual") << tienda;
    QTest::newRow("con diagonal final") << tienda + "/";
    QTest::newRow("por otro camino") << tienda + "/../KAVO_Refaccionaria";
    QTest::newRow("vacía") << QString("  ");
}

void TestDemo::rechazaLaCarpetaDeLaTienda() {
    QFETCH(QString, carpeta);
    db::cerrarConexion();
    const QString tienda =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/KAVO_Refaccionaria";
    const bool existia = QFileInfo::exists(tienda);
    QString e;
    QVERIFY(!demo::crearTienda(carpeta, &e));
    QVERIFY(!e.isEmpty());
    QVERIFY(!db::conectada());
    QCOMPARE(QFileInfo::exists(tienda), existia);
    QVERIFY(!QFileInfo::exists(tienda + "/Db/KAVO_Autopartes_DB.sqlite") || existia);
}

QTEST_MAIN(TestDemo)
#include "test_demo.moc"
