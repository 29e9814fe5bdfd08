// "Productos": the product counter, the years, deletions, permissions, the search
// purpose, the similar fitments and the photo window.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "TestSupport.h"
#include "catalog/Fotografia.h"
#include "catalog/Productos.h"
#include "common/Dialogos.h"
#include "db/DataFolder.h"
#include "db/Sql.h"

class TestProductos : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void agregaConElContador();
    void faltanDatos_data();
    void faltanDatos();
    void anosIncorrectosConservanElNumero();
    void numeroNoValido();
    void modificaYMoneda();
    void borra();
    void navegacion();
    void permisos();
    void buscarMueveAlProducto();
    void modelosDeLaMarca();
    void semejantes();
    void ajusteDeInventarios();
    void fotografia();

  private:
    int consecutivo() { return db::valorUnico("select IdProductos from tblctrl_consecutivos").toInt(); }
    void llenar(TFrmProductos* p, const QString& anos = "00-05");
    static void elegir(QComboBox* c, const QString& texto) { c->setCurrentIndex(c->findText(texto)); }
    TiendaDePrueba* t = nullptr;
    int ford = 0, nissan = 0, focus = 0, tsuru = 0, frenos = 0, p1 = 0, p2 = 0, p3 = 0;
};

void TestProductos::init() {
    t = new TiendaDePrueba(true);
    ford = t->marca("Ford");
    nissan = t->marca("Nissan");
    focus = t->modelo(ford, "Focus");
    tsuru = t->modelo(nissan, "Tsuru");
    frenos = t->familia("Frenos");
    t->familia("Filtros");
    p1 = t->producto("Balata", 350, 200, 4, ford, focus, frenos);
    p2 = t->producto("Bomba de agua", 800, 500, 1, nissan, tsuru, frenos);
    p3 = t->producto("Filtro", 90, 40, 10, nissan, tsuru, frenos, QString::fromUtf8("Dólares"));
}

void TestProductos::cleanup() {
    delete t;
}

void TestProductos::llenar(TFrmProductos* p, const QString& anos) {
    control<QLineEdit>(p, "txtparte")->setText("Amortiguador");
    elegir(control<QComboBox>(p, "cmbfamilia"), "Frenos");
    elegir(control<QComboBox>(p, "cmbmarca"), "Nissan");
    elegir(control<QComboBox>(p, "cmbmodelo"), "Tsuru");
    control<QLineEdit>(p, "txtanos")->setText(anos);
    control<QLineEdit>(p, "txtcosto")->setText("120.5");
    control<QLineEdit>(p, "txtprecio")->setText("210");
}

void TestProductos::agregaConElContador() {
    TFrmProductos p;
    QCOMPARE(p.idActual(), p1);
    QCOMPARE(control<QLineEdit>(&p, "txtparte")->text(), QString("Balata"));
    QVERIFY(!control<QLineEdit>(&p, "txtparte")->isEnabled());
    control<QPushButton>(&p, "BtnAdd")->click();
    QCOMPARE(p.modo(), TFrmProductos::Modo::Agregando);
    QVERIFY(control<QLineEdit>(&p, "txtparte")->isEnabled());
    QVERIFY(!control<QWidget>(&p, "semejantes")->isEnabled());
    QVERIFY(control<QRadioButton>(&p, "RBPesos")->isChecked());
    QCOMPARE(control<QComboBox>(&p, "cmbfamilia")->currentIndex(), -1);
    llenar(&p, "95-02");
    control<QRadioButton>(&p, "RBDolares")->setChecked(true);
    control<QLineEdit>(&p, "txtprecio")->setText("215.75");  // another field changed after the choice
    control<QComboBox>(&p, "CmbUnidades")->setCurrentIndex(1);
    control<QPushButton>(&p, "BitBtn3")->click();
    QVERIFY2(t->guion.mostrados.isEmpty(), qPrintable(t->guion.mostrados.join("; ")));
    QCOMPARE(p.modo(), TFrmProductos::Modo::Navegando);
    const int nuevo = 4;
    QCOMPARE(consecutivo(), nuevo);
    QCOMPARE(p.idActual(), nuevo);
    db::Consulta q("select * from tblcat_productos where Id = :id");
    q.bind("id", nuevo).abrir();
    QVERIFY(!q.vacia());
    QCOMPARE(q.texto("Parte"), QString("Amortiguador"));
    QCOMPARE(q.entero("Marca"), nissan);
    QCOMPARE(q.entero("Modelo"), tsuru);
    QCOMPARE(q.entero("Familia"), frenos);
    QCOMPARE(q.entero("Unidad"), 2);
    QCOMPARE(q.real("Costo1"), 120.5);
    QCOMPARE(q.real("Precio1"), 215.75);
    QCOMPARE(q.real("Existencia"), 0.0);
    QCOMPARE(q.texto("Moneda"), QString::fromUtf8("Dólares"));
    QCOMPARE(q.texto("Ano"), QString("95-02"));
    QCOMPARE(q.texto("AnoDesplegado"), QString("1995,1996,1997,1998,1999,2000,2001,2002"));
    QCOMPARE(control<QLineEdit>(&p, "txtnumero")->text(), QString::number(nuevo));
}

void TestProductos::faltanDatos_data() {
    QTest::addColumn<QString>("vaciar");
    QTest::newRow("parte en blanco") << "txtparte";
    QTest::newRow("costo") << "txtcosto";
    QTest::newRow("precio") << "txtprecio";
    QTest::newRow("años") << "txtanos";
    QTest::newRow("familia") << "cmbfamilia";
    QTest::newRow("marca") << "cmbmarca";
    QTest::newRow("modelo") << "cmbmodelo";
}

void TestProductos::faltanDatos() {
    QFETCH(QString, vaciar);
    TFrmProductos p;
    control<QPushButton>(&p, "BtnAdd")->click();
    llenar(&p);
    if (auto* c = p.findChild<QComboBox*>(vaciar))
        c->setCurrentIndex(-1);
    else
        control<QLineEdit>(&p, vaciar)->setText("   ");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(t->guion.mostrados, QStringList{"Faltan datos importantes, gracias"});
    QCOMPARE(p.modo(), TFrmProductos::Modo::Agregando);
    QCOMPARE(consecutivo(), 3);  // no number is taken
}

void TestProductos::anosIncorrectosConservanElNumero() {
    TFrmProductos p;
    control<QPushButton>(&p, "BtnAdd")->click();
    llenar(&p, "0-5");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(t->guion.mostrados, QStringList{QString::fromUtf8("Por favor verifica el año")});
    QCOMPARE(p.modo(), TFrmProductos::Modo::Agregando);
    QCOMPARE(consecutivo(), 4);
    QCOMPARE(control<QLineEdit>(&p, "txtnumero")->text(), QString("4"));
    // A second try keeps the number it was given.
    control<QLineEdit>(&p, "txtanos")->setText("2000-2005");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(consecutivo(), 4);
    control<QLineEdit>(&p, "txtanos")->setText("05-05");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(consecutivo(), 4);
    QCOMPARE(db::valorUnico("select AnoDesplegado from tblcat_productos where Id = 4").toString(),
             QString("2005"));

    // An abandoned addition does not give its number back.
    control<QPushButton>(&p, "BtnAdd")->click();
    llenar(&p, "xx-05");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(t->guion.errores.size(), 1);  // the year part is not a number
    QCOMPARE(consecutivo(), 5);
    control<QPushButton>(&p, "BitBtn4")->click();
    QCOMPARE(p.modo(), TFrmProductos::Modo::Navegando);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_productos where Id = 5").toInt(), 0);
    control<QPushButton>(&p, "BtnAdd")->click();
    llenar(&p);
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(p.idActual(), 6);
    QCOMPARE(consecutivo(), 6);
}

void TestProductos::numeroNoValido() {
    TFrmProductos p;
    control<QPushButton>(&p, "BtnAdd")->click();
    llenar(&p);
    control<QLineEdit>(&p, "txtminimo")->setText("dos");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(t->guion.errores.size(), 1);
    QVERIFY(t->guion.errores[0].contains("dos"));
    QCOMPARE(p.modo(), TFrmProductos::Modo::Agregando);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_productos").toInt(), 3);
}

void TestProductos::modificaYMoneda() {
    TFrmProductos p;
    control<QPushButton>(&p, "BitBtn9")->click();
    QCOMPARE(p.idActual(), p3);
    QVERIFY(control<QRadioButton>(&p, "RBDolares")->isChecked());
    control<QPushButton>(&p, "BitBtn2")->click();
    QCOMPARE(p.modo(), TFrmProductos::Modo::Editando);
    control<QRadioButton>(&p, "RBPesos")->setChecked(true);
    control<QLineEdit>(&p, "txtprecio")->setText("95.5");
    control<QPushButton>(&p, "BitBtn3")->click();
    QCOMPARE(p.modo(), TFrmProductos::Modo::Navegando);
    QCOMPARE(db::valorUnico("select Moneda from tblcat_productos where Id = :id", {{"id", p3}}).toString(),
             QString("Pesos"));
    QCOMPARE(db::valorUnico("select Precio1 from tblcat_productos where Id = :id", {{"id", p3}}).toDouble(),
             95.5);
    QCOMPARE(t->existencia(p3), 10.0);  // stock is never touched here
    QCOMPARE(consecutivo(), 3);
    // Cancel puts the stored values back.
    control<QPushButton>(&p, "BitBtn2")->click();
    control<QLineEdit>(&p, "txtparte")->setText("Otro");
    control<QPushButton>(&p, "BitBtn4")->click();
    QCOMPARE(control<QLineEdit>(&p, "txtparte")->text(), QString("Filtro"));
}

void TestProductos::borra() {
    auto e = db::Edicion::nueva("tblcat_semejantes");
    e.set("Producto", p2);
    e.set("Marca", ford);
    e.set("Modelo", focus);
    e.post();
    TFrmProductos p;
    control<QPushButton>(&p, "BitBtn6")->click();
    QCOMPARE(p.idActual(), p2);
    t->guion.respuestas = {false};
    control<QPushButton>(&p, "BitBtn1")->click();
    QCOMPARE(t->guion.preguntas, QStringList{QString::fromUtf8("¿De verdad quieres borrar el producto?")});
    QCOMPARE(db::valorUnico("select count(*) from tblcat_productos").toInt(), 3);
    t->guion.respuestas = {true};
    control<QPushButton>(&p, "BitBtn1")->click();
    QCOMPARE(db::valorUnico("select count(*) from tblcat_productos where Id = :id", {{"id", p2}}).toInt(), 0);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_semejantes").toInt(), 1);  // fitments remain
    QCOMPARE(p.idActual(), p3);
}

void TestProductos::navegacion() {
    TFrmProductos p;
    control<QPushButton>(&p, "BitBtn7")->click();
    QCOMPARE(p.idActual(), p1);
    control<QPushButton>(&p, "BitBtn9")->click();
    QCOMPARE(p.idActual(), p3);
    control<QPushButton>(&p, "BitBtn6")->click();
    QCOMPARE(p.idActual(), p3);
    control<QPushButton>(&p, "BitBtn7")->click();
    QCOMPARE(p.idActual(), p2);
    QCOMPARE(control<QComboBox>(&p, "cmbmarca")->currentText(), QString("Nissan"));
    QCOMPARE(control<QComboBox>(&p, "cmbmodelo")->currentText(), QString("Tsuru"));
    // Ignored while editing.
    control<QPushButton>(&p, "BitBtn2")->click();
    control<QPushButton>(&p, "BitBtn8")->click();
    QCOMPARE(p.idActual(), p2);
}

void TestProductos::permisos() {
    db::ejecutar("delete from tblrel_permisos where Usuario = 1 and Modulo in (13, 16, 18)");
    TFrmProductos p;
    QVERIFY(control<QPushButton>(&p, "BtnAdd")->isHidden());
    QVERIFY(!control<QPushButton>(&p, "BitBtn1")->isHidden());
    QVERIFY(!control<QPushButton>(&p, "BitBtn2")->isHidden());
    QVERIFY(control<QPushButton>(&p, "BitBtn11")->isHidden());
    QVERIFY(!control<QPushButton>(&p, "BtnAddSemejante")->isHidden());
    QVERIFY(control<QPushButton>(&p, "BtnDeleteSemejante")->isHidden());
}

void TestProductos::buscarMueveAlProducto() {
    TFrmProductos p;
    t->guion.dialogo = [&](QDialog* d) {
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "bomba");
        QTest::keyClick(control<QTableView>(d, "prodsgrid"), Qt::Key_Return);
        return d->result();
    };
    control<QPushButton>(&p, "BitBtn5")->click();
    QCOMPARE(t->guion.dialogosMostrados, QStringList{"FrmBuscaProductos"});
    QCOMPARE(p.idActual(), p2);
    QCOMPARE(control<QLineEdit>(&p, "txtparte")->text(), QString("Bomba de agua"));
    // Not while editing.
    control<QPushButton>(&p, "BitBtn2")->click();
    control<QPushButton>(&p, "BitBtn5")->click();
    QCOMPARE(t->guion.dialogosMostrados.size(), 1);
}

void TestProductos::modelosDeLaMarca() {
    TFrmProductos p;
    auto* modelo = control<QComboBox>(&p, "cmbmodelo");
    QCOMPARE(modelo->count(), 2);  // browsing: every model
    control<QPushButton>(&p, "BitBtn2")->click();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    modelo->setFocus(Qt::TabFocusReason);
    QCOMPARE(modelo->count(), 1);  // only Ford's
    QCOMPARE(modelo->itemText(0), QString("Focus"));
    elegir(modelo, "Focus");
    // Another brand: a model of Ford does not stay chosen.
    elegir(control<QComboBox>(&p, "cmbmarca"), "Nissan");
    QCOMPARE(modelo->currentText(), QString());
}

void TestProductos::semejantes() {
    TFrmProductos p;
    auto* grid = control<QTableWidget>(&p, "GridSemejantes");
    QCOMPARE(grid->rowCount(), 0);
    control<QPushButton>(&p, "BtnAddSemejante")->click();
    QVERIFY(!control<QWidget>(&p, "Panel5")->isHidden());
    elegir(control<QComboBox>(&p, "CmbMarca2"), "Nissan");
    auto* modelo2 = control<QComboBox>(&p, "cmbmodelo2");
    modelo2->clear();
    modelo2->addItem("Tsuru", tsuru);
    modelo2->setCurrentIndex(0);
    control<QLineEdit>(&p, "txtanos2")->setText("95-2");
    control<QPushButton>(&p, "BitBtn10")->click();
    QCOMPARE(t->guion.mostrados, QStringList{QString::fromUtf8("Por favor verifica el año")});
    control<QLineEdit>(&p, "txtanos2")->setText("95-02");
    QTest::keyClick(control<QLineEdit>(&p, "txtanos2"), Qt::Key_Return);  // presses its "Aceptar"
    QVERIFY(control<QWidget>(&p, "Panel5")->isHidden());
    db::Consulta q("select * from tblcat_semejantes");
    q.abrir();
    QVERIFY(!q.vacia());
    QCOMPARE(q.entero("Producto"), p1);
    QCOMPARE(q.entero("Marca"), nissan);
    QCOMPARE(q.entero("Modelo"), tsuru);
    QCOMPARE(q.texto("AnoDesplegado"), QString("1995,1996,1997,1998,1999,2000,2001,2002"));
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 0)->text(), QString("Nissan"));
    QCOMPARE(grid->item(0, 1)->text(), QString("Tsuru"));
    QCOMPARE(grid->item(0, 2)->text(), QString("95-02"));

    grid->setCurrentCell(0, 0);
    t->guion.respuestas = {true};
    control<QPushButton>(&p, "BtnDeleteSemejante")->click();
    QCOMPARE(t->guion.preguntas, QStringList{"¿Estas seguro de querer borrar este semejante?"});
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_semejantes").toInt(), 0);
}

void TestProductos::ajusteDeInventarios() {
    TFrmProductos p;
    control<QPushButton>(&p, "BitBtn11")->click();
    QCOMPARE(t->guion.mostrados.size(), 1);
    QVERIFY(t->guion.mostrados[0].contains(QString::fromUtf8("próxima versión")));
}

void TestProductos::fotografia() {
    TFrmFotografia* f = dialogos().Fotografia;
    f->mostrar(p1);
    QCOMPARE(t->guion.mostrados,
             QStringList{QString::fromUtf8("No existe fotografía para este producto, gracias!")});
    QCOMPARE(t->guion.dialogosMostrados.size(), 0);
    // A file that is not a picture counts as missing.
    QFile basura(datos::carpetaImagenes() + "/" + QString::number(p2) + ".jpg");
    QVERIFY(basura.open(QIODevice::WriteOnly));
    basura.write("no es una imagen");
    basura.close();
    f->mostrar(p2);
    QCOMPARE(t->guion.mostrados.size(), 2);
    QImage img(120, 80, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(datos::carpetaImagenes() + "/" + QString::number(p3) + ".jpg", "JPG"));
    QSize visto;
    t->guion.dialogo = [&](QDialog* d) {
        visto = d->size();
        return int(QDialog::Accepted);
    };
    f->mostrar(p3);
    QCOMPARE(t->guion.mostrados.size(), 2);
    QCOMPARE(t->guion.dialogosMostrados, QStringList{"FrmFotografia"});
    QCOMPARE(visto, QSize(130, 115));
}

QTEST_MAIN(TestProductos)
#include "test_productos.moc"
