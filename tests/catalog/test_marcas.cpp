// "Marcas y Modelos" and "Familias": rows stored with Enter, models take the current
// brand, deletions refused while a product uses the row.
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "TestSupport.h"
#include "catalog/Familias.h"
#include "catalog/Marcas.h"
#include "db/Sql.h"

class TestMarcas : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void marcaConEnter();
    void modeloTomaLaMarcaActual();
    void modeloSinMarcas();
    void borrados_data();
    void borrados();
    void borrarMarcaDejaSusModelos();
    void filaNuevaSeDescartaSinRevisarProductos_data();
    void filaNuevaSeDescartaSinRevisarProductos();
    void familias();

  private:
    // Types into the open cell and presses Enter there (the cell is committed afterwards).
    static void teclear(QTableWidget* g, const QString& texto) {
        auto* e = g->findChild<QLineEdit*>();
        QVERIFY(e);
        e->setText(texto);
        QTest::keyClick(e, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static int contar(const QString& tabla) {
        return db::valorUnico("select count(*) from " + tabla).toInt();
    }
    TiendaDePrueba* t = nullptr;
    int ford = 0, nissan = 0, focus = 0, tsuru = 0, frenos = 0, motor = 0;
};

void TestMarcas::init() {
    t = new TiendaDePrueba(false);
    nissan = t->marca("Nissan");
    ford = t->marca("Ford");
    focus = t->modelo(ford, "Focus");
    t->modelo(ford, "Fiesta");
    tsuru = t->modelo(nissan, "Tsuru");
    frenos = t->familia("Frenos", 30);
    motor = t->familia("Motor", 25);
    t->producto("Balata", 100, 50, 1, ford, focus, frenos);
}

void TestMarcas::cleanup() {
    delete t;
}

void TestMarcas::marcaConEnter() {
    TFrmMarcas m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    auto* marcas = control<QTableWidget>(&m, "marcas");
    QCOMPARE(marcas->item(0, 0)->text(), QString("Ford"));  // sorted by name
    auto* modelos = control<QTableWidget>(&m, "modelos");
    QCOMPARE(modelos->rowCount(), 2);
    QCOMPARE(modelos->item(0, 0)->text(), QString("Fiesta"));
    control<QPushButton>(&m, "BtnAdd")->click();
    teclear(marcas, QString::fromUtf8("Citroën 'DS'"));
    QCOMPARE(contar("tblcat_marcas"), 3);
    // Re-read and sorted; the new brand is current and has no models.
    QCOMPARE(marcas->item(0, 0)->text(), QString::fromUtf8("Citroën 'DS'"));
    QCOMPARE(marcas->currentRow(), 0);
    // Enter with no row being edited stores nothing.
    QTest::keyClick(marcas, Qt::Key_Return);
    QCOMPARE(contar("tblcat_marcas"), 3);
}

void TestMarcas::modeloTomaLaMarcaActual() {
    TFrmMarcas m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    auto* marcas = control<QTableWidget>(&m, "marcas");
    auto* modelos = control<QTableWidget>(&m, "modelos");
    marcas->setCurrentCell(1, 0);  // Nissan
    QCOMPARE(modelos->rowCount(), 1);
    QCOMPARE(modelos->item(0, 0)->text(), QString("Tsuru"));
    control<QPushButton>(&m, "BitBtn1")->click();
    teclear(modelos, "Sentra");
    QCOMPARE(db::valorUnico("select Marca from tblcat_modelos where Modelo = 'Sentra'").toInt(), nissan);
    // Editing an existing model keeps it under the brand current when it is stored.
    modelos->setCurrentCell(0, 0);
    modelos->item(0, 0)->setText("Sentra B13");
    QTest::keyClick(modelos, Qt::Key_Return);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_modelos where Modelo = 'Sentra B13' and Marca = :m",
                            {{"m", nissan}})
                 .toInt(),
             1);
}

void TestMarcas::modeloSinMarcas() {
    db::ejecutar("delete from tblcat_productos");
    db::ejecutar("delete from tblcat_marcas");
    TFrmMarcas m;
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    control<QPushButton>(&m, "BitBtn1")->click();
    teclear(control<QTableWidget>(&m, "modelos"), "Suelto");
    QCOMPARE(db::valorUnico("select Marca from tblcat_modelos where Modelo = 'Suelto'").toInt(), 0);
}

void TestMarcas::borrados_data() {
    QTest::addColumn<QString>("rejilla");
    QTest::addColumn<int>("fila");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("pregunta");
    QTest::addColumn<QString>("tabla");
    QTest::newRow("marca con productos")
        << "marcas" << 0 << "No se puede borrar una marca si todavia tiene productos asignados"
        << ""
        << "tblcat_marcas";
    QTest::newRow("marca sin productos")
        << "marcas" << 1 << "" << QString::fromUtf8("¿En realidad quieres borrar la marca: \"Nissan\"?")
        << "tblcat_marcas";
    QTest::newRow("modelo con productos")
        << "modelos" << 1 << "No se puede borrar un modelo si todavia tiene productos asignados"
        << ""
        << "tblcat_modelos";
    QTest::newRow("modelo sin productos")
        << "modelos" << 0 << "" << QString::fromUtf8("¿En realidad quieres borrar el modelo: \"Fiesta\"?")
        << "tblcat_modelos";
}

void TestMarcas::borrados() {
    QFETCH(QString, rejilla);
    QFETCH(int, fila);
    QFETCH(QString, mensaje);
    QFETCH(QString, pregunta);
    QFETCH(QString, tabla);
    TFrmMarcas m;
    auto* g = control<QTableWidget>(&m, rejilla);
    g->setCurrentCell(fila, 0);
    const int antes = contar(tabla);
    // "No" first: nothing is deleted; then the Delete key with "Yes".
    t->guion.respuestas = {false};
    control<QPushButton>(&m, rejilla == "marcas" ? "BtnDelete" : "BitBtn2")->click();
    QCOMPARE(contar(tabla), antes);
    t->guion.respuestas = {true};
    QTest::keyClick(g, Qt::Key_Delete);
    if (mensaje.isEmpty()) {
        QCOMPARE(t->guion.preguntas, QStringList({pregunta, pregunta}));
        QCOMPARE(contar(tabla), antes - 1);
    } else {
        QCOMPARE(t->guion.mostrados, QStringList({mensaje, mensaje}));
        QVERIFY(t->guion.preguntas.isEmpty());
        QCOMPARE(contar(tabla), antes);
    }
}

void TestMarcas::borrarMarcaDejaSusModelos() {
    TFrmMarcas m;
    control<QTableWidget>(&m, "marcas")->setCurrentCell(1, 0);
    t->guion.respuestas = {true};
    m.BtnDeleteClick();
    QCOMPARE(contar("tblcat_marcas"), 1);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_modelos where Marca = :m", {{"m", nissan}}).toInt(),
             1);
}

void TestMarcas::filaNuevaSeDescartaSinRevisarProductos_data() {
    QTest::addColumn<QString>("rejilla");
    QTest::addColumn<QString>("agregar");
    QTest::addColumn<QString>("pregunta");
    QTest::newRow("marca") << "marcas"
                           << "BtnAdd" << QString::fromUtf8("¿En realidad quieres borrar la marca: \"\"?");
    QTest::newRow("modelo") << "modelos"
                            << "BitBtn1" << QString::fromUtf8("¿En realidad quieres borrar el modelo: \"\"?");
    QTest::newRow("familia") << "Familias"
                             << "BtnAdd"
                             << QString::fromUtf8("¿En realidad quieres borrar la familia: \"\"?");
}

// A row just appended has no Id yet: a product that names no brand, model or family (an
// imported one, with 0) does not keep it from being dropped.
void TestMarcas::filaNuevaSeDescartaSinRevisarProductos() {
    QFETCH(QString, rejilla);
    QFETCH(QString, agregar);
    QFETCH(QString, pregunta);
    const int suelto = t->producto("Suelto", 1, 1, 0, ford, focus, frenos);
    db::ejecutar("update tblcat_productos set Marca = 0, Modelo = 0, Familia = 0 where Id = :id",
                 {{"id", suelto}});
    const bool familias = rejilla == "Familias";
    std::unique_ptr<QWidget> w(familias ? static_cast<QWidget*>(new TFrmFamilias) : new TFrmMarcas);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* g = control<QTableWidget>(w.get(), rejilla);
    const int filas = g->rowCount();
    control<QPushButton>(w.get(), agregar)->click();
    QCOMPARE(g->rowCount(), filas + 1);
    t->guion.respuestas = {true};
    if (familias)
        static_cast<TFrmFamilias*>(w.get())->BtnDeleteClick();
    else if (rejilla == "marcas")
        static_cast<TFrmMarcas*>(w.get())->BtnDeleteClick();
    else
        static_cast<TFrmMarcas*>(w.get())->BitBtn2Click();
    QCOMPARE(t->guion.preguntas, QStringList{pregunta});
    QCOMPARE(t->guion.mostrados, QStringList{pregunta});  // asked, not refused
    QCOMPARE(g->rowCount(), filas);
}

void TestMarcas::familias() {
    TFrmFamilias f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* g = control<QTableWidget>(&f, "Familias");
    // Stored order, not sorted.
    QCOMPARE(g->item(0, 0)->text(), QString("Frenos"));
    QCOMPARE(g->item(1, 0)->text(), QString("Motor"));
    QCOMPARE(g->item(1, 1)->text(), QString("25"));
    control<QPushButton>(&f, "BtnAdd")->click();
    g->item(2, 1)->setText("4o");
    teclear(g, "Accesorios");
    QCOMPARE(t->guion.errores.size(), 1);  // not a whole number: the row stays unstored
    QCOMPARE(contar("tblcat_familias"), 2);
    g->item(2, 1)->setText("40");
    QTest::keyClick(g, Qt::Key_Return);
    QCOMPARE(db::valorUnico("select Porcentaje from tblcat_familias where Familia = 'Accesorios'").toInt(),
             40);

    g->setCurrentCell(0, 0);
    QTest::keyClick(g, Qt::Key_Delete);
    QCOMPARE(t->guion.mostrados.last(),
             QString("No se puede borrar una familia si todavia tiene productos asignados"));
    g->setCurrentCell(1, 0);
    t->guion.respuestas = {true};
    control<QPushButton>(&f, "BtnDelete")->click();
    QCOMPARE(t->guion.preguntas,
             QStringList{QString::fromUtf8("¿En realidad quieres borrar la familia: \"Motor\"?")});
    QCOMPARE(contar("tblcat_familias"), 2);
    QCOMPARE(g->rowCount(), 2);
}

QTEST_MAIN(TestMarcas)
#include "test_marcas.moc"
