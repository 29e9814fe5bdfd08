// "Buscar Producto": the filters, the keep boxes, the keys and the purposes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "TestSupport.h"
#include "catalog/BuscaProductos.h"
#include "common/Dialogos.h"
#include "db/Sql.h"

class TestBuscaProductos : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void abreVacioConFocoEnMarca();
    void filtros_data();
    void filtros();
    void marcaLlenaModelos();
    void codigoInternoNoNumerico();
    void guardaFamiliaYPalabras();
    void guardaModeloNoMarca();
    void listasAlDiaAlReabrir();
    void limpiarTodo();
    void propositos_data();
    void propositos();
    void cerrarSinElegir();
    void teclas();

  private:
    void fijarAnos(int id, const QString& ano, const QString& desplegado);
    void semejante(int producto, int marca, int modelo, const QString& ano, const QString& desplegado);
    QList<int> ids();
    TiendaDePrueba* t = nullptr;
    TFrmBuscaProductos* d = nullptr;
    int ford = 0, nissan = 0, focus = 0, fiesta = 0, tsuru = 0, frenos = 0, filtros_ = 0;
    int balata = 0, balataFiesta = 0, filtroAceite = 0, bomba = 0, raro = 0;
};

void TestBuscaProductos::fijarAnos(int id, const QString& ano, const QString& desplegado) {
    db::ejecutar("update tblcat_productos set Ano = :a, AnoDesplegado = :d where Id = :id",
                 {{"a", ano}, {"d", desplegado}, {"id", id}});
}

void TestBuscaProductos::semejante(int producto, int marca, int modelo, const QString& ano,
                                   const QString& desplegado) {
    auto e = db::Edicion::nueva("tblcat_semejantes");
    e.set("Producto", producto);
    e.set("Marca", marca);
    e.set("Modelo", modelo);
    e.set("Ano", ano);
    e.set("AnoDesplegado", desplegado);
    e.post();
}

void TestBuscaProductos::init() {
    t = new TiendaDePrueba(false);
    ford = t->marca("Ford");
    nissan = t->marca("Nissan");
    focus = t->modelo(ford, "Focus");
    fiesta = t->modelo(ford, "Fiesta");
    tsuru = t->modelo(nissan, "Tsuru");
    frenos = t->familia("Frenos");
    filtros_ = t->familia("Filtros");
    balata = t->producto("Balata delantera", 350, 200, 4, ford, focus, frenos);
    fijarAnos(balata, "98-99", "1998,1999");
    balataFiesta = t->producto("Balata trasera", 300, 180, 2, ford, fiesta, frenos);
    fijarAnos(balataFiesta, "89-90", "1989,1990");
    filtroAceite = t->producto("Filtro de aceite 100% \"original\"", 90, 40, 10, nissan, tsuru, filtros_);
    fijarAnos(filtroAceite, "00-05", "2000,2001,2002,2003,2004,2005");
    bomba = t->producto("Bomba de agua Ñandú", 800, 500, 1, nissan, tsuru, frenos);
    raro = t->producto("Tapón O'Neil \\ 50%", 20, 5, 3, nissan, tsuru, filtros_);
    db::ejecutar("update tblcat_productos set CodigoParte = 'BD-123' where Id = :id", {{"id", balata}});
    db::ejecutar("update tblcat_productos set CodigoParte = 'XBD-12' where Id = :id", {{"id", bomba}});
    // The oil filter also fits the Focus of 2010.
    semejante(filtroAceite, ford, focus, "10-10", "2010");
    d = new TFrmBuscaProductos();
}

void TestBuscaProductos::cleanup() {
    delete d;
    delete t;
}

QList<int> TestBuscaProductos::ids() {
    QList<int> r;
    auto* m = control<QTableView>(d, "prodsgrid")->model();
    for (int i = 0; i < d->filas(); ++i) r << m->data(m->index(i, 0), Qt::EditRole).toInt();
    return r;
}

void TestBuscaProductos::abreVacioConFocoEnMarca() {
    bool visto = false;
    t->guion.dialogo = [&](QDialog* dlg) {
        visto = true;
        if (d->filas() != 0 || dlg->focusWidget() != control<QComboBox>(d, "CmbMarcas")) return 99;
        return int(QDialog::Rejected);
    };
    QCOMPARE(d->mostrar(), int(QDialog::Rejected));
    QVERIFY(visto);
    QCOMPARE(t->guion.dialogosMostrados, QStringList{"FrmBuscaProductos"});
}

void TestBuscaProductos::filtros_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<int>>("esperados");  // ids in list order (by part name)
    // Both 1998 and 1989 contain "98": the year is a plain text match here.
    QTest::newRow("año 98") << "TxtAno"
                            << "98" << QList<int>{0, 1};
    QTest::newRow("año 2010 via fitment") << "TxtAno"
                                          << "2010" << QList<int>{2};
    QTest::newRow("parte") << "txtparte"
                           << "balata" << QList<int>{0, 1};
    QTest::newRow("percent is literal") << "txtparte"
                                        << "100%" << QList<int>{2, 2};  // its own row and its fitment
    QTest::newRow("quote") << "txtparte"
                           << "O'Neil" << QList<int>{4};
    QTest::newRow("double quote") << "txtparte"
                                  << "\"original\"" << QList<int>{2, 2};
    QTest::newRow("backslash") << "txtparte"
                               << "\\ 50" << QList<int>{4};
    QTest::newRow("Ñ any case") << "txtparte"
                                << "ñandú" << QList<int>{3};
    QTest::newRow("underscore is literal") << "txtparte"
                                           << "_" << QList<int>{};
    QTest::newRow("codigo interno") << "txtcodigo"
                                    << "@bomba" << QList<int>{3};
    QTest::newRow("codigo de parte") << "txtCodigoParte"
                                     << "BD-12" << QList<int>{0, 3};
}

void TestBuscaProductos::filtros() {
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(QList<int>, esperados);
    const QList<int> todos{balata, balataFiesta, filtroAceite, bomba, raro};
    if (texto == "@bomba") texto = QString::number(bomba);
    QList<int> quiero;
    for (int i : esperados) quiero << todos[i];
    t->guion.dialogo = [&](QDialog*) {
        auto* e = control<QLineEdit>(d, campo);
        bool ascii = true;
        for (QChar c : texto) ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(e, texto);  // the list is re-run on every key
        else
            e->insert(texto);
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QVERIFY2(t->guion.errores.isEmpty(), qPrintable(t->guion.errores.join("; ")));
    QList<int> hay = ids();
    if (campo == "txtCodigoParte") std::sort(hay.begin(), hay.end());
    QCOMPARE(hay, quiero);
}

void TestBuscaProductos::marcaLlenaModelos() {
    t->guion.dialogo = [&](QDialog*) {
        auto* marcas = control<QComboBox>(d, "CmbMarcas");
        auto* modelos = control<QComboBox>(d, "CmbModelos");
        marcas->setCurrentIndex(marcas->findText("Ford"));
        // Fiesta and Focus, sorted; the Tsuru is Nissan's.
        if (modelos->count() != 2 || modelos->itemText(0) != "Fiesta") return 1;
        // Brand Ford: its two own products and the fitment of the oil filter.
        QList<int> hay = ids();
        std::sort(hay.begin(), hay.end());
        if (hay != QList<int>({balata, balataFiesta, filtroAceite})) return 2;
        modelos->setCurrentIndex(modelos->findText("Focus"));
        hay = ids();
        std::sort(hay.begin(), hay.end());
        if (hay != QList<int>({balata, filtroAceite})) return 3;
        // Emptying the brand box clears the brand and empties the model list.
        marcas->setEditText(QString());
        if (modelos->count() != 0) return 4;
        return 0;
    };
    QCOMPARE(d->mostrar(), 0);
}

void TestBuscaProductos::codigoInternoNoNumerico() {
    t->guion.dialogo = [&](QDialog*) {
        QTest::keyClicks(control<QLineEdit>(d, "txtcodigo"), "1a");
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(t->guion.errores.size(), 1);  // on the "a"
    QCOMPARE(d->filas(), 0);
    // A part code wins: the bad internal code no longer matters.
    t->guion.limpiar();
    t->guion.dialogo = [&](QDialog*) {
        QTest::keyClicks(control<QLineEdit>(d, "txtcodigo"), "x");
        QTest::keyClicks(control<QLineEdit>(d, "txtCodigoParte"), "BD-123");
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(t->guion.errores.size(), 1);
    QCOMPARE(ids(), QList<int>{balata});
}

void TestBuscaProductos::guardaFamiliaYPalabras() {
    t->guion.dialogo = [&](QDialog*) {
        auto* fam = control<QComboBox>(d, "CmbFamilia");
        fam->setCurrentIndex(fam->findText("Frenos"));
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "Bal");
        QTest::keyClicks(control<QLineEdit>(d, "TxtAno"), "19");
        control<QCheckBox>(d, "ChkFamilia")->setChecked(true);
        control<QTableView>(d, "prodsgrid")
            ->setCurrentIndex(control<QTableView>(d, "prodsgrid")->model()->index(1, 0));
        return int(QDialog::Rejected);
    };
    d->mostrar();
    // Reopened: the family is kept, the words and year are not; the list is filtered by the
    // family at once, at the position it had, and the focus is in the model box.
    t->guion.dialogo = [&](QDialog* dlg) {
        if (control<QComboBox>(d, "CmbFamilia")->currentText() != "Frenos") return 1;
        if (!control<QLineEdit>(d, "txtparte")->text().isEmpty()) return 2;
        if (!control<QLineEdit>(d, "TxtAno")->text().isEmpty()) return 3;
        QList<int> hay = ids();
        if (hay != QList<int>({balata, balataFiesta, bomba})) return 4;
        if (d->idActual() != balataFiesta) return 5;
        if (dlg->focusWidget() != control<QComboBox>(d, "CmbModelos")) return 6;
        control<QCheckBox>(d, "ChkParte")->setChecked(true);
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "trasera");
        return 0;
    };
    QCOMPARE(d->mostrar(), 0);
    t->guion.dialogo = [&](QDialog*) {
        if (control<QLineEdit>(d, "txtparte")->text() != "trasera") return 1;
        return ids() == QList<int>{balataFiesta} ? 0 : 2;
    };
    QCOMPARE(d->mostrar(), 0);
}

void TestBuscaProductos::guardaModeloNoMarca() {
    fijarAnos(raro, "90-91", "1990,1991");
    t->guion.dialogo = [&](QDialog*) {
        auto* marcas = control<QComboBox>(d, "CmbMarcas");
        marcas->setCurrentIndex(marcas->findText("Nissan"));
        auto* modelos = control<QComboBox>(d, "CmbModelos");
        modelos->setCurrentIndex(modelos->findText("Tsuru"));
        control<QCheckBox>(d, "ChkModelo")->setChecked(true);
        QTest::keyClicks(control<QLineEdit>(d, "TxtAno"), "2003");
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(ids(), QList<int>({bomba, filtroAceite}));
    // Reopened: the brand is chosen anew, the model stays and filters the list at once.
    t->guion.dialogo = [&](QDialog*) {
        if (!control<QComboBox>(d, "CmbMarcas")->currentText().isEmpty()) return 1;
        if (control<QComboBox>(d, "CmbModelos")->currentText() != "Tsuru") return 2;
        if (!control<QLineEdit>(d, "TxtAno")->text().isEmpty()) return 3;
        QList<int> hay = ids();
        std::sort(hay.begin(), hay.end());
        return hay == QList<int>({filtroAceite, bomba, raro}) ? 0 : 4;
    };
    QCOMPARE(d->mostrar(), 0);
}

// The dialog lives for the whole run: models and families added meanwhile are offered the
// next time it is shown, also for the brand chosen the time before.
void TestBuscaProductos::listasAlDiaAlReabrir() {
    auto elegirFord = [&] {
        auto* marcas = control<QComboBox>(d, "CmbMarcas");
        marcas->setCurrentIndex(marcas->findText("Ford"));
    };
    t->guion.dialogo = [&](QDialog*) {
        elegirFord();
        auto* fam = control<QComboBox>(d, "CmbFamilia");
        fam->setCurrentIndex(fam->findText("Frenos"));
        control<QCheckBox>(d, "ChkFamilia")->setChecked(true);
        return int(QDialog::Rejected);
    };
    d->mostrar();
    t->modelo(ford, "Ranger");
    t->familia("Luces");
    QString visto;
    t->guion.dialogo = [&](QDialog*) {
        auto* fam = control<QComboBox>(d, "CmbFamilia");
        if (fam->findText("Luces") < 0) visto += "sin familia nueva;";
        if (fam->currentText() != "Frenos") visto += "familia no guardada;";
        elegirFord();
        if (control<QComboBox>(d, "CmbModelos")->findText("Ranger") < 0) visto += "sin modelo nuevo;";
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(visto, QString());
}

void TestBuscaProductos::limpiarTodo() {
    t->guion.dialogo = [&](QDialog*) {
        auto* fam = control<QComboBox>(d, "CmbFamilia");
        fam->setCurrentIndex(fam->findText("Frenos"));
        control<QCheckBox>(d, "ChkFamilia")->setChecked(true);
        control<QCheckBox>(d, "ChkModelo")->setChecked(true);
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "b");
        control<QPushButton>(d, "BitBtn5")->click();
        if (d->filas() != 0 || !fam->currentText().isEmpty() || fam->currentIndex() != -1) return 1;
        if (control<QCheckBox>(d, "ChkFamilia")->isChecked() ||
            control<QCheckBox>(d, "ChkModelo")->isChecked())
            return 2;
        if (!control<QLineEdit>(d, "txtparte")->text().isEmpty()) return 3;
        return 0;
    };
    QCOMPARE(d->mostrar(), 0);
}

void TestBuscaProductos::propositos_data() {
    QTest::addColumn<int>("proposito");
    QTest::addColumn<bool>("conEnter");
    QTest::newRow("1 purchases, Enter") << 1 << true;
    QTest::newRow("2 products, double click") << 2 << false;
    QTest::newRow("3 reports, Enter") << 3 << true;
}

void TestBuscaProductos::propositos() {
    QFETCH(int, proposito);
    QFETCH(bool, conEnter);
    QWidget llamador;
    int elegido = 0, veces = 0;
    d->setProposito(proposito, &llamador, [&](int id) {
        elegido = id;
        ++veces;
    });
    QCOMPARE(d->proposito(), proposito);
    QCOMPARE(d->llamador(), &llamador);
    t->guion.dialogo = [&](QDialog* dlg) {
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "trasera");
        auto* grid = control<QTableView>(d, "prodsgrid");
        if (conEnter) {
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            grid->setCurrentIndex(grid->model()->index(0, 1));
            emit grid->doubleClicked(grid->currentIndex());
        }
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QCOMPARE(elegido, balataFiesta);
    QCOMPARE(veces, 1);
}

void TestBuscaProductos::cerrarSinElegir() {
    int veces = 0;
    d->setProposito(1, nullptr, [&](int) { ++veces; });
    t->guion.dialogo = [&](QDialog* dlg) {
        // No row: choosing does nothing and the dialog stays open.
        d->SeleccionarProducto();
        return dlg->isVisible() ? int(QDialog::Rejected) : 99;
    };
    QCOMPARE(d->mostrar(), int(QDialog::Rejected));
    QCOMPARE(veces, 0);
}

void TestBuscaProductos::teclas() {
    t->guion.dialogo = [&](QDialog* dlg) {
        auto* marcas = control<QComboBox>(d, "CmbMarcas");
        auto* modelos = control<QComboBox>(d, "CmbModelos");
        auto* ano = control<QLineEdit>(d, "TxtAno");
        auto* parte = control<QLineEdit>(d, "txtparte");
        auto* codigo = control<QLineEdit>(d, "txtcodigo");
        auto* fam = control<QComboBox>(d, "CmbFamilia");
        auto* grid = control<QTableView>(d, "prodsgrid");
        struct Paso {
            QWidget* desde;
            Qt::Key tecla;
            QWidget* hacia;
        };
        const Paso pasos[] = {
            {marcas, Qt::Key_Return, modelos}, {marcas, Qt::Key_Right, modelos},
            {modelos, Qt::Key_Left, marcas},   {modelos, Qt::Key_Return, ano},
            {ano, Qt::Key_Left, modelos},      {ano, Qt::Key_Right, parte},
            {parte, Qt::Key_Left, ano},        {parte, Qt::Key_Right, codigo},
            {codigo, Qt::Key_Left, parte},     {codigo, Qt::Key_Right, fam},
            {fam, Qt::Key_Left, codigo},       {parte, Qt::Key_Down, grid},
        };
        int i = 0;
        for (const Paso& p : pasos) {
            ++i;
            p.desde->setFocus();
            QTest::keyClick(p.desde, p.tecla);
            if (dlg->focusWidget() != p.hacia) return i;
        }
        // Enter in a text box runs the list.
        parte->setText("");
        grid->setFocus();
        QTest::keyClick(ano, Qt::Key_Return);
        return d->filas() == 6 ? 0 : 100;  // five products and one fitment
    };
    QCOMPARE(d->mostrar(), 0);
}

QTEST_MAIN(TestBuscaProductos)
#include "test_buscaproductos.moc"
