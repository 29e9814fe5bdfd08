#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "TestSupport.h"
#include "app/Main.h"
#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Sesion.h"
#include "common/TipoDeCambio.h"
#include "db/Sql.h"
#include "pos/Ventas.h"

// The sales screen around the ticket: finding products, permissions, keys and buttons.
class TestVentas : public QObject {
    Q_OBJECT
  private slots:
    void permisosOcultanSusControles_data();
    void permisosOcultanSusControles();
    void filtroPorAno_data();
    void filtroPorAno();
    void anoDeDosLetrasQueNoEsNumero();
    void listaCerradaSinFiltro();
    void busquedaPorCodigo_data();
    void busquedaPorCodigo();
    void textoTecleadoNoRompeLaConsulta_data();
    void textoTecleadoNoRompeLaConsulta();
    void marcaLlenaModelosYModeloFiltra();
    void modeloSinMarcaOfreceTodos();
    void modelosDeIgualNombre();
    void renglonesNaranjaSinExistencia();
    void ubicacionMonedaEInfo();
    void teclado_data();
    void teclado();
    void clienteDeDescuento();
    void tipoDeCambioSoloParaLineasNuevas();
    void cerrarConVentaPendienteSeNiega();
    void ventanaDelPrincipalNoSeCierraConVenta();
    void botonesAbrenSusPantallas_data();
    void botonesAbrenSusPantallas();
    void cantidadVaciaVuelveAUno();
    void tecleoDeCantidadYPrecio_data();
    void tecleoDeCantidadYPrecio();
    void enterRecargaYDobleClicAgrega();
    void catalogoGrandeRespondeAlTeclear();
};

namespace {
struct Pantalla {
    TiendaDePrueba t{true};
    std::unique_ptr<TFrmVentas> v;
    TFrmVentas& abrir() {
        v = std::make_unique<TFrmVentas>();
        return *v;
    }
    QTableView* lista() { return control<QTableView>(v.get(), "prodsgrid"); }
    int filas() { return lista()->model()->rowCount(); }
    QString dato(int fila, int col) { return lista()->model()->index(fila, col).data().toString(); }
    QStringList partes() {
        QStringList p;
        for (int r = 0; r < filas(); ++r) p << dato(r, 1);
        return p;
    }
    void anoDesplegado(int producto, const QString& ano) {
        db::ejecutar("update tblcat_productos set AnoDesplegado = :a where Id = :id",
                     {{"a", ano}, {"id", producto}});
    }
};
}  // namespace

void TestVentas::permisosOcultanSusControles_data() {
    QTest::addColumn<int>("modulo");
    QTest::addColumn<QStringList>("controles");
    QTest::newRow("info") << 3 << QStringList{"BitBtn9"};
    QTest::newRow("precio especial") << 4 << QStringList{"txtprecioespecial", "LblPrecioEspecial"};
    QTest::newRow("cliente descuento") << 5 << QStringList{"BitBtn10"};
    QTest::newRow("reimprimir") << 6 << QStringList{"BitBtn8"};
    QTest::newRow("cancelacion") << 7 << QStringList{"BitBtn3"};
    QTest::newRow("cotizacion") << 8 << QStringList{"BitBtn4"};
    QTest::newRow("credito") << 9 << QStringList{"BitBtn5"};
    QTest::newRow("traspaso") << 10 << QStringList{"BitBtn6"};
    QTest::newRow("efectivo") << 11 << QStringList{"BitBtn7"};
    QTest::newRow("tipo de cambio") << 55 << QStringList{"BitBtn11"};
    QTest::newRow("devolucion") << 58 << QStringList{"BitBtn12"};
}

void TestVentas::permisosOcultanSusControles() {
    QFETCH(int, modulo);
    QFETCH(QStringList, controles);
    Pantalla p;
    const QList<int> todos{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 55, 58};
    db::ejecutar(
        "insert into tblcat_usuarios (Id, Nombre, Usuario, Password) values (7, 'CAJERO', 'caja', 'x')");
    for (int m : todos)
        if (m != modulo)
            db::ejecutar("insert into tblrel_permisos (Usuario, Modulo) values (7, :m)", {{"m", m}});
    sesion::setIdUsuario(7);
    TFrmVentas& v = p.abrir();
    const QStringList vigilados{"BitBtn9", "txtprecioespecial", "LblPrecioEspecial", "BitBtn10",
                                "BitBtn8", "BitBtn3",           "BitBtn4",           "BitBtn5",
                                "BitBtn6", "BitBtn7",           "BitBtn11",          "BitBtn12"};
    for (const QString& n : vigilados)
        QVERIFY2(control<QWidget>(&v, n)->isHidden() == controles.contains(n), qPrintable(n));
    QVERIFY(control<QWidget>(&v, "BitBtn13")->isHidden());
    QVERIFY(control<QWidget>(&v, "BtnNotaCredito")->isHidden());
}

void TestVentas::filtroPorAno_data() {
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("05 es 2005") << "05" << QStringList{"PIEZA 2005"};
    QTest::newRow("30 es 2030") << "30" << QStringList{"PIEZA 2030"};
    QTest::newRow("31 es 1931") << "31" << QStringList{"PIEZA 1931"};
    QTest::newRow("199 no filtra") << "199"
                                   << QStringList{"PIEZA 1931", "PIEZA 1998", "PIEZA 2005", "PIEZA 2030"};
    QTest::newRow("1998") << "1998" << QStringList{"PIEZA 1998"};
    QTest::newRow("una letra no filtra")
        << "9" << QStringList{"PIEZA 1931", "PIEZA 1998", "PIEZA 2005", "PIEZA 2030"};
}

void TestVentas::filtroPorAno() {
    QFETCH(QString, ano);
    QFETCH(QStringList, esperadas);
    Pantalla p;
    p.anoDesplegado(p.t.producto("PIEZA 2005", 1), "2003,2004,2005");
    p.anoDesplegado(p.t.producto("PIEZA 1931", 1), "1931");
    p.anoDesplegado(p.t.producto("PIEZA 1998", 1), "1997,1998");
    p.anoDesplegado(p.t.producto("PIEZA 2030", 1), "2029,2030");
    TFrmVentas& v = p.abrir();
    control<QLineEdit>(&v, "TxtDescripcion")->setText("PIEZA");
    control<QLineEdit>(&v, "TxtAno")->setText(ano);
    QCOMPARE(p.partes(), esperadas);
    QVERIFY(p.t.guion.errores.isEmpty());
}

void TestVentas::anoDeDosLetrasQueNoEsNumero() {
    Pantalla p;
    p.t.producto("PIEZA", 1);
    TFrmVentas& v = p.abrir();
    control<QLineEdit>(&v, "TxtDescripcion")->setText("PIEZA");
    QCOMPARE(p.filas(), 1);
    control<QLineEdit>(&v, "TxtAno")->setText("0x");
    QCOMPARE(p.t.guion.errores, QStringList{formato::errorConversion("0x")});
    QCOMPARE(p.filas(), 0);
}

void TestVentas::listaCerradaSinFiltro() {
    Pantalla p;
    p.t.producto("PIEZA", 1);
    TFrmVentas& v = p.abrir();
    QCOMPARE(p.filas(), 0);
    auto* d = control<QLineEdit>(&v, "TxtDescripcion");
    d->setText("PIE");
    QCOMPARE(p.filas(), 1);
    d->clear();
    QCOMPARE(p.filas(), 0);
}

void TestVentas::busquedaPorCodigo_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("codigo de barras") << "7501234" << QStringList{"BARRAS"};
    QTest::newRow("parte del codigo del fabricante") << "K-55" << QStringList{"FABRICANTE"};
    QTest::newRow("numero de producto") << "NUM" << QStringList{};  // set per row below
    QTest::newRow("no existe") << "ZZZ-0" << QStringList{};
    QTest::newRow("numero de 64 bits sin producto") << "99999999999" << QStringList{};
    QTest::newRow("numero demasiado grande") << "123456789012345678901234" << QStringList{};
}

void TestVentas::busquedaPorCodigo() {
    QFETCH(QString, codigo);
    QFETCH(QStringList, esperadas);
    Pantalla p;
    const int barras = p.t.producto("BARRAS", 1);
    const int fabricante = p.t.producto("FABRICANTE", 1);
    const int numero = p.t.producto("NUMERO", 1);
    db::ejecutar("update tblcat_productos set CodigoDeBarras = '7501234', CodigoParte = 'X1' where Id = :id",
                 {{"id", barras}});
    db::ejecutar("update tblcat_productos set CodigoDeBarras = '9', CodigoParte = 'AK-551' where Id = :id",
                 {{"id", fabricante}});
    db::ejecutar("update tblcat_productos set CodigoDeBarras = '8', CodigoParte = 'Q' where Id = :id",
                 {{"id", numero}});
    if (codigo == "NUM") {
        codigo = QString::number(numero);
        esperadas = QStringList{"NUMERO"};
    }
    TFrmVentas& v = p.abrir();
    auto* c = control<QLineEdit>(&v, "txtcodigo");
    c->setText(codigo);
    QTest::keyClick(c, Qt::Key_Return);
    QCOMPARE(p.partes(), esperadas);
    QCOMPARE(p.t.guion.mostrados,
             esperadas.isEmpty() ? QStringList{"El codigo no existe, gracias"} : QStringList{});
    QVERIFY(p.t.guion.errores.isEmpty());
    QCOMPARE(v.ticket().lineas(), 0);  // the search puts nothing on the ticket
}

void TestVentas::textoTecleadoNoRompeLaConsulta_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("caja");
    QTest::addColumn<int>("esperadas");
    for (const char* caja : {"TxtDescripcion", "txtcodigo"}) {
        QTest::addRow("%s comilla", caja) << "O'RING" << caja << 1;
        QTest::addRow("%s porcentaje", caja) << "100%" << caja << 1;
        QTest::addRow("%s diagonal", caja) << "A\\B" << caja << 1;
        QTest::addRow("%s acentos", caja) << QString::fromUtf8("PIÑÓN") << caja << 1;
        QTest::addRow("%s guion bajo", caja) << "_" << caja << 0;
    }
}

void TestVentas::textoTecleadoNoRompeLaConsulta() {
    QFETCH(QString, texto);
    QFETCH(QString, caja);
    QFETCH(int, esperadas);
    Pantalla p;
    for (const char* parte : {"O'RING", "100% COBRE", "CABLE A\\B", "PIÑÓN", "1000 COBRE"}) {
        const int id = p.t.producto(QString::fromUtf8(parte), 1);
        db::ejecutar("update tblcat_productos set CodigoParte = Parte where Id = :id", {{"id", id}});
    }
    TFrmVentas& v = p.abrir();
    auto* e = control<QLineEdit>(&v, caja);
    e->setText(texto);
    if (caja == "txtcodigo") QTest::keyClick(e, Qt::Key_Return);
    QVERIFY2(p.t.guion.errores.isEmpty(), qPrintable(p.t.guion.errores.join('|')));
    QCOMPARE(p.filas(), esperadas);
}

void TestVentas::marcaLlenaModelosYModeloFiltra() {
    Pantalla p;
    const int nisan = p.t.marca("NISAN");
    const int ford = p.t.marca("FORD");
    const int tsuru = p.t.modelo(nisan, "TSURU");
    p.t.modelo(nisan, "SENTRA");
    const int fiesta = p.t.modelo(ford, "FIESTA");
    const int frenos = p.t.familia("FRENOS");
    p.t.producto("BALATA TSURU", 1, 0, 5, nisan, tsuru, frenos);
    p.t.producto("BALATA FIESTA", 1, 0, 5, ford, fiesta, frenos);
    TFrmVentas& v = p.abrir();
    auto* marcas = control<QComboBox>(&v, "CmbMarcas");
    auto* modelos = control<QComboBox>(&v, "CmbModelos");
    auto* familias = control<QComboBox>(&v, "CmbFamilias");
    QCOMPARE(marcas->count(), 2);
    QCOMPARE(marcas->itemText(0), QString("FORD"));

    familias->setCurrentIndex(0);
    QCOMPARE(p.partes(), (QStringList{"BALATA FIESTA", "BALATA TSURU"}));
    marcas->setCurrentIndex(marcas->findText("NISAN"));
    QCOMPARE(familias->currentText(), QString());  // the family is cleared
    QCOMPARE(p.filas(), 0);                        // and the list closed
    QCOMPARE(modelos->count(), 2);
    QCOMPARE(modelos->itemText(0), QString("SENTRA"));
    modelos->setCurrentIndex(modelos->findText("TSURU"));
    QCOMPARE(p.partes(), QStringList{"BALATA TSURU"});

    marcas->setEditText("NADA");
    QCOMPARE(modelos->count(), 0);
    QCOMPARE(p.filas(), 0);
}

void TestVentas::modeloSinMarcaOfreceTodos() {
    Pantalla p;
    const int nisan = p.t.marca("NISAN");
    const int ford = p.t.marca("FORD");
    p.t.modelo(nisan, "TSURU");
    p.t.modelo(ford, "FIESTA");
    TFrmVentas& v = p.abrir();
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    auto* modelos = control<QComboBox>(&v, "CmbModelos");
    control<QLineEdit>(&v, "txtcodigo")->setText("123");
    modelos->setFocus();
    QTRY_VERIFY(modelos->hasFocus());
    QCOMPARE(modelos->count(), 2);
    QCOMPARE(control<QLineEdit>(&v, "txtcodigo")->text(), QString());  // entering a filter empties the code
}

void TestVentas::modelosDeIgualNombre() {
    // Without a brand every model is listed: two brands' "SPORT" are two entries, and the
    // one picked is the one that filters.
    Pantalla p;
    const int nisan = p.t.marca("NISAN");
    const int ford = p.t.marca("FORD");
    const int sportNisan = p.t.modelo(nisan, "SPORT");
    const int sportFord = p.t.modelo(ford, "SPORT");
    p.t.producto("FARO NISAN", 1, 0, 5, nisan, sportNisan);
    p.t.producto("FARO FORD", 1, 0, 5, ford, sportFord);
    TFrmVentas& v = p.abrir();
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    auto* modelos = control<QComboBox>(&v, "CmbModelos");
    modelos->setFocus();
    QTRY_VERIFY(modelos->hasFocus());
    QCOMPARE(modelos->count(), 2);
    modelos->setCurrentIndex(modelos->findData(sportFord));
    QCOMPARE(p.partes(), QStringList{"FARO FORD"});
    // The other "SPORT": the text stays the same; leaving the box lists its parts.
    modelos->setCurrentIndex(modelos->findData(sportNisan));
    control<QLineEdit>(&v, "TxtDescripcion")->setFocus();
    QTRY_COMPARE(p.partes(), QStringList{"FARO NISAN"});
    QCOMPARE(modelos->currentIndex(), modelos->findData(sportNisan));
}

void TestVentas::renglonesNaranjaSinExistencia() {
    Pantalla p;
    const int marca = p.t.marca("NISAN");
    const int modelo = p.t.modelo(marca, "TSURU");
    p.t.producto("A AGOTADA", 1, 0, 0, marca, modelo);
    p.t.producto("B NEGATIVA", 1, 0, -2, marca, modelo);
    p.t.producto("C CON EXISTENCIA", 1, 0, 3, marca, modelo);
    p.t.producto("D AGOTADA SIN MODELO", 1, 0, 0, marca, 0);
    p.t.producto("E AGOTADA SIN VEHICULO", 1, 0, 0);
    TFrmVentas& v = p.abrir();
    control<QLineEdit>(&v, "TxtDescripcion")->setText(" ");
    QCOMPARE(p.filas(), 5);
    const QColor naranja(255, 128, 0);
    const QList<bool> esperado{true, true, false, false, false};
    for (int r = 0; r < 5; ++r) {
        const QVariant fondo = p.lista()->model()->index(r, 3).data(Qt::BackgroundRole);
        QCOMPARE(fondo.isValid() && fondo.value<QColor>() == naranja, esperado[r]);
    }
}

void TestVentas::ubicacionMonedaEInfo() {
    Pantalla p;
    const int a = p.t.producto("ALTERNADOR", 1500, 800.5, 2, 0, 0, 0, QString::fromUtf8("Dólares"));
    p.t.producto("BATERIA", 900, 600, 2);
    db::ejecutar(
        "update tblcat_productos set Bodega_Linea = 'L1', Bodega_Anaquel = 'A7', Bodega_Nivel = 'N2', "
        "CodigoParte = 'ALT-1' where Id = :id",
        {{"id", a}});
    TFrmVentas& v = p.abrir();
    control<QLineEdit>(&v, "TxtDescripcion")->setText("A");
    const QStringList captions{"Clave",  "Parte",  "Marca", "Modelo",       "Año",
                               "Precio", "Moneda", "Exis.", "Codigo Parte", "Ubicación"};
    for (int c = 0; c < captions.size(); ++c)
        QCOMPARE(p.lista()->model()->headerData(c, Qt::Horizontal).toString(), captions[c]);
    QCOMPARE(p.dato(0, 9), QString("L1-A7-N2"));
    QCOMPARE(p.dato(0, 8), QString("ALT-1"));
    QCOMPARE(p.lista()->model()->index(0, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    auto* moneda = control<QLabel>(&v, "Label7");
    QCOMPARE(moneda->text(), QString::fromUtf8("Dólares"));
    p.lista()->setCurrentIndex(p.lista()->model()->index(1, 0));
    QCOMPARE(moneda->text(), QString("Pesos"));

    p.lista()->setCurrentIndex(p.lista()->model()->index(0, 0));
    control<QPushButton>(&v, "BitBtn9")->click();
    QCOMPARE(p.t.guion.mostrados, QStringList{"Info Extra: 800.5\r\nAnaquel: A7\r\nLinea: L1\r\nNivel: N2"});
}

void TestVentas::teclado_data() {
    QTest::addColumn<QString>("desde");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("hacia");
    QTest::newRow("marca enter") << "CmbMarcas" << int(Qt::Key_Return) << "CmbModelos";
    QTest::newRow("marca derecha") << "CmbMarcas" << int(Qt::Key_Right) << "CmbModelos";
    QTest::newRow("familia enter") << "CmbFamilias" << int(Qt::Key_Return) << "CmbModelos";
    QTest::newRow("familia derecha") << "CmbFamilias" << int(Qt::Key_Right) << "CmbModelos";
    QTest::newRow("modelo izquierda") << "CmbModelos" << int(Qt::Key_Left) << "CmbMarcas";
    QTest::newRow("modelo derecha") << "CmbModelos" << int(Qt::Key_Right) << "TxtAno";
    QTest::newRow("modelo enter") << "CmbModelos" << int(Qt::Key_Return) << "TxtAno";
    QTest::newRow("ano abajo") << "TxtAno" << int(Qt::Key_Down) << "prodsgrid";
    QTest::newRow("ano izquierda") << "TxtAno" << int(Qt::Key_Left) << "CmbModelos";
    QTest::newRow("descripcion abajo") << "TxtDescripcion" << int(Qt::Key_Down) << "prodsgrid";
    QTest::newRow("descripcion izquierda") << "TxtDescripcion" << int(Qt::Key_Left) << "CmbModelos";
    QTest::newRow("codigo abajo") << "txtcodigo" << int(Qt::Key_Down) << "prodsgrid";
}

void TestVentas::teclado() {
    QFETCH(QString, desde);
    QFETCH(int, tecla);
    QFETCH(QString, hacia);
    Pantalla p;
    p.t.marca("NISAN");
    TFrmVentas& v = p.abrir();
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QWidget* w = control<QWidget>(&v, desde);
    w->setFocus();
    QTRY_VERIFY(w->hasFocus());
    QTest::keyClick(w, Qt::Key(tecla));
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), hacia);
}

void TestVentas::clienteDeDescuento() {
    Pantalla p;
    const int marca = p.t.marca("NISAN");
    const int modelo = p.t.modelo(marca, "TSURU");
    p.t.producto("CARBURADOR", 200, 100, 5, marca, modelo);
    const int c = p.t.cliente("TALLER EL RAYO");
    db::ejecutar(
        "update tblcat_clientes set TipoDescuento = 1, Porcentaje = 10, Direccion = 'CALLE 5', Telefono1 = "
        "'555' "
        "where Id = :id",
        {{"id", c}});
    TFrmVentas& v = p.abrir();
    p.t.guion.dialogo = [&](QDialog* d) {
        auto* b = qobject_cast<TFrmBuscaCliente*>(d);
        if (!b) return int(QDialog::Rejected);
        [&] { QCOMPARE(b->proposito(), 5); }();
        b->txtid->setText(QString::number(c));
        b->SeleccionarCliente();
        return b->result();
    };
    auto* boton = control<QPushButton>(&v, "BitBtn10");
    auto* etiqueta = control<QLabel>(&v, "LblDescuento");
    QVERIFY(etiqueta->isHidden());
    boton->click();
    QCOMPARE(etiqueta->text(), QString("Aplicando descuento de: TALLER EL RAYO"));
    QVERIFY(!etiqueta->isHidden());
    QCOMPARE(boton->text(), QString("Remover Descuento"));
    QCOMPARE(v.clienteDescuento(), c);
    QCOMPARE(v.clienteVenta(), c);
    QCOMPARE(v.datosClienteTicket().direccion, QString("CALLE 5"));
    QCOMPARE(v.datosClienteTicket().telefono, QString("555"));

    control<QLineEdit>(&v, "TxtDescripcion")->setText("CARB");
    QTest::keyClick(control<QLineEdit>(&v, "TxtCantidad"), Qt::Key_Return);
    QCOMPARE(v.ticket().linea(1).precio, 180.0);

    boton->click();  // removes the discount; the line keeps its price
    QVERIFY(etiqueta->isHidden());
    QCOMPARE(boton->text(), QString("Seleccionar Cliente Para Descuento"));
    QCOMPARE(v.clienteDescuento(), 0);
    QTest::keyClick(control<QLineEdit>(&v, "TxtCantidad"), Qt::Key_Return);
    QCOMPARE(v.ticket().linea(1).precio, 180.0);
    QCOMPARE(v.ticket().linea(2).precio, 200.0);
}

void TestVentas::tipoDeCambioSoloParaLineasNuevas() {
    Pantalla p;
    p.t.producto("INYECTOR", 10, 8, 5, 0, 0, 0, QString::fromUtf8("Dólares"));
    TFrmVentas& v = p.abrir();
    auto* tc = dialogos().TipoDeCambio;
    tc->DBEdit1->setText("13.5");
    tc->BitBtn1Click();
    control<QLineEdit>(&v, "TxtDescripcion")->setText("INY");
    auto* cantidad = control<QLineEdit>(&v, "TxtCantidad");
    QTest::keyClick(cantidad, Qt::Key_Return);
    tc->DBEdit1->setText("20");
    tc->BitBtn1Click();
    QTest::keyClick(cantidad, Qt::Key_Return);
    QCOMPARE(v.ticket().linea(1).precio, 135.0);
    QCOMPARE(v.ticket().linea(2).precio, 200.0);
    QCOMPARE(v.ticket().linea(1).costo, 8.0);  // the cost stays in dollars
}

void TestVentas::cerrarConVentaPendienteSeNiega() {
    Pantalla p;
    p.t.producto("PIEZA", 10);
    TFrmVentas& v = p.abrir();
    control<QLineEdit>(&v, "TxtDescripcion")->setText("PIEZA");
    QTest::keyClick(p.lista(), Qt::Key_Return);
    QCOMPARE(v.ticket().lineas(), 1);
    QVERIFY(!v.close());
    QCOMPARE(p.t.guion.mostrados,
             QStringList{"No puedes cerrar ventas si tienes una venta pendiente, gracias"});
    p.t.guion.respuestas = {true};
    v.quitarTodosLosProductos();
    QVERIFY(v.close());
}

void TestVentas::catalogoGrandeRespondeAlTeclear() {
    Pantalla p;
    db::ejecutar(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 30000) "
        "insert into tblcat_productos (Id, Parte, Precio1, Costo1, Existencia, Moneda, Ano, AnoDesplegado) "
        "select i + 100, 'PARTE ' || i, 10, 5, 3, 'Pesos', '00-05', '2000,2001' from n");
    TFrmVentas& v = p.abrir();
    auto* d = control<QLineEdit>(&v, "TxtDescripcion");
    QElapsedTimer reloj;
    reloj.start();
    QTest::keyClicks(d, "PARTE");  // five keystrokes, each a whole query of the catalogue
    const qint64 ms = reloj.elapsed();
    QCOMPARE(p.filas(), 30000);
    QVERIFY2(ms < 8000, qPrintable(QString("%1 ms").arg(ms)));
    QTest::keyClick(d, '9');
    QVERIFY(p.filas() < 30000);
}

void TestVentas::ventanaDelPrincipalNoSeCierraConVenta() {
    TiendaDePrueba t(true);
    t.producto("PIEZA", 10);
    TFrmMain principal;
    principal.show();
    auto* v = qobject_cast<TFrmVentas*>(principal.abrir("Image3"));
    QVERIFY(v);
    QCOMPARE(principal.abrir("Image3"), v);  // at most one sales screen
    control<QLineEdit>(v, "TxtDescripcion")->setText("PIEZA");
    QTest::keyClick(control<QTableView>(v, "prodsgrid"), Qt::Key_Return);
    auto* sub = qobject_cast<QMdiSubWindow*>(v->parentWidget());
    QVERIFY(sub);
    QPointer<TFrmVentas> vivo(v);
    sub->close();
    QCoreApplication::processEvents();
    QVERIFY(vivo);
    QCOMPARE(t.guion.mostrados,
             QStringList{"No puedes cerrar ventas si tienes una venta pendiente, gracias"});
    t.guion.respuestas = {true};
    v->quitarTodosLosProductos();
    sub->close();
    QTRY_VERIFY(!vivo);
}

void TestVentas::botonesAbrenSusPantallas_data() {
    QTest::addColumn<QString>("boton");
    QTest::addColumn<bool>("conTicket");
    QTest::addColumn<QString>("dialogo");  // empty: nothing opens
    QTest::newRow("reimprimir") << "BitBtn8" << false << "FrmReimpresionVentas";
    QTest::newRow("cancelacion") << "BitBtn3" << false << "FrmCancelacionesVentas";
    QTest::newRow("devolucion") << "BitBtn12" << false << "FrmDevoluciones";
    QTest::newRow("cotizacion sin ticket") << "BitBtn4" << false << "FrmCotizaciones";
    QTest::newRow("tipo de cambio") << "BitBtn11" << false << "FrmTipoDeCambio";
    QTest::newRow("notas de credito") << "BitBtn13" << false << "FrmNotaDeCredito2";
    QTest::newRow("efectivo sin ticket") << "BitBtn7" << false << "";
    QTest::newRow("efectivo") << "BitBtn7" << true << "FrmPago";
    QTest::newRow("credito sin ticket") << "BitBtn5" << false << "";
    QTest::newRow("credito") << "BitBtn5" << true << "FrmBuscaCliente";
    QTest::newRow("nota credito sin ticket") << "BtnNotaCredito" << false << "";
    QTest::newRow("nota credito") << "BtnNotaCredito" << true << "FrmBuscaCliente";
}

void TestVentas::botonesAbrenSusPantallas() {
    QFETCH(QString, boton);
    QFETCH(bool, conTicket);
    QFETCH(QString, dialogo);
    Pantalla p;
    const int c = p.t.cliente("TALLER");
    p.t.producto("PIEZA", 10);
    TFrmVentas& v = p.abrir();
    if (conTicket) {
        control<QLineEdit>(&v, "TxtDescripcion")->setText("PIEZA");
        QTest::keyClick(p.lista(), Qt::Key_Return);
    }
    int proposito = 0;
    p.t.guion.dialogo = [&](QDialog* d) {
        if (auto* b = qobject_cast<TFrmBuscaCliente*>(d)) {
            proposito = b->proposito();
            b->txtid->setText(QString::number(c));
            b->SeleccionarCliente();  // the credit-note search does nothing and stays open
        }
        return int(QDialog::Rejected);
    };
    control<QPushButton>(&v, boton)->click();
    QCOMPARE(p.t.guion.dialogosMostrados, dialogo.isEmpty() ? QStringList{} : QStringList{dialogo});
    if (boton == "BtnNotaCredito" && conTicket) {
        QCOMPARE(proposito, 7);
        QVERIFY(p.t.guion.mostrados.isEmpty());
        QCOMPARE(v.ticket().lineas(), 1);
    }
    if (boton == "BitBtn5" && conTicket) QCOMPARE(proposito, 2);
}

void TestVentas::cantidadVaciaVuelveAUno() {
    Pantalla p;
    TFrmVentas& v = p.abrir();
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    auto* q = control<QLineEdit>(&v, "TxtCantidad");
    q->setFocus();
    QTRY_VERIFY(q->hasFocus());
    q->clear();
    control<QLineEdit>(&v, "TxtDescripcion")->setFocus();
    QTRY_COMPARE(q->text(), QString("1"));
}

void TestVentas::tecleoDeCantidadYPrecio_data() {
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("queda");
    for (const char* caja : {"TxtCantidad", "txtprecioespecial"}) {
        QTest::addRow("%s digitos", caja) << caja << "125"
                                          << "125";
        QTest::addRow("%s letras fuera", caja) << caja << "1a2b"
                                               << "12";
        QTest::addRow("%s un solo guion", caja) << caja << "--5-"
                                                << "-5";
        QTest::addRow("%s un solo punto", caja) << caja << "1.2.5"
                                                << "1.25";
        QTest::addRow("%s espacio fuera", caja) << caja << "3 0"
                                                << "30";
    }
}

void TestVentas::tecleoDeCantidadYPrecio() {
    QFETCH(QString, caja);
    QFETCH(QString, tecleado);
    QFETCH(QString, queda);
    Pantalla p;
    TFrmVentas& v = p.abrir();
    auto* e = control<QLineEdit>(&v, caja);
    e->clear();
    QTest::keyClicks(e, tecleado);
    QCOMPARE(e->text(), queda);
}

void TestVentas::enterRecargaYDobleClicAgrega() {
    Pantalla p;
    p.t.producto("PIEZA A", 10);
    TFrmVentas& v = p.abrir();
    auto* d = control<QLineEdit>(&v, "TxtDescripcion");
    d->setText("PIEZA");
    QCOMPARE(p.filas(), 1);
    p.t.producto("PIEZA B", 20);
    QTest::keyClick(d, Qt::Key_Return);  // Enter re-runs the list
    QCOMPARE(p.partes(), (QStringList{"PIEZA A", "PIEZA B"}));

    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    const QModelIndex b = p.lista()->model()->index(1, 1);
    const QPoint punto = p.lista()->visualRect(b).center();
    QTest::mouseClick(p.lista()->viewport(), Qt::LeftButton, {}, punto);  // the view wants a press first
    QTest::mouseDClick(p.lista()->viewport(), Qt::LeftButton, {}, punto);
    QCOMPARE(v.ticket().lineas(), 1);
    QCOMPARE(v.ticket().linea(1).parte, QString("PIEZA B"));
}

QTEST_MAIN(TestVentas)
#include "test_ventas.moc"
