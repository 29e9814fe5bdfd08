#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "TestSupport.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/TipoDeCambio.h"
#include "db/Sql.h"
#include "pos/Pago.h"
#include "pos/Ventas.h"

// The payment dialog of a cash sale: totals, change in two currencies, what may be typed.
class TestPago : public QObject {
    Q_OBJECT
  private slots:
    void cambioEnPesosYDolares_data();
    void cambioEnPesosYDolares();
    void tecleoDeImportes_data();
    void tecleoDeImportes();
    void aceptarGuardaUnaVez();
};

namespace {
struct Cobro {
    TiendaDePrueba t{true};
    std::unique_ptr<TFrmVentas> v;
    explicit Cobro(double total, double tipoCambio = 13) {
        auto* tc = dialogos().TipoDeCambio;
        tc->DBEdit1->setText(QString::number(tipoCambio));
        tc->BitBtn1Click();
        t.producto("PIEZA", total);
        v = std::make_unique<TFrmVentas>();
        control<QLineEdit>(v.get(), "TxtDescripcion")->setText("PIEZA");
        QTest::keyClick(control<QLineEdit>(v.get(), "TxtCantidad"), Qt::Key_Return);
    }
    // Opens "Efectivo" and lets the test drive the dialog; returns its result.
    int pagar(const std::function<void(TFrmPago*)>& hacer) {
        t.guion.dialogo = [&](QDialog* d) {
            auto* p = qobject_cast<TFrmPago*>(d);
            if (!p) return int(QDialog::Rejected);
            hacer(p);
            return p->result();
        };
        control<QPushButton>(v.get(), "BitBtn7")->click();
        return 0;
    }
    static QString texto(TFrmPago* p, const char* nombre) { return control<QLabel>(p, nombre)->text(); }
};
}  // namespace

void TestPago::cambioEnPesosYDolares_data() {
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("pesos");
    QTest::addColumn<QString>("dolares");
    QTest::addColumn<QString>("cambioPesos");
    QTest::addColumn<QString>("cambioDolares");
    QTest::newRow("pesos y dolares") << 500.0 << "200"
                                     << "25"
                                     << "$25.00"
                                     << "$1.92";
    QTest::newRow("solo pesos") << 500.0 << "600"
                                << ""
                                << "$100.00"
                                << "$7.69";
    QTest::newRow("falta dinero") << 500.0 << "100"
                                  << ""
                                  << "-$400.00"
                                  << "-$30.77";
    QTest::newRow("exacto") << 130.0 << ""
                            << "10"
                            << "$0.00"
                            << "$0.00";
}

void TestPago::cambioEnPesosYDolares() {
    QFETCH(double, total);
    QFETCH(QString, pesos);
    QFETCH(QString, dolares);
    QFETCH(QString, cambioPesos);
    QFETCH(QString, cambioDolares);
    Cobro c(total, 13);
    QString totalPesos, totalDolares, p5, p10, e1;
    c.pagar([&](TFrmPago* p) {
        totalPesos = Cobro::texto(p, "Label2");
        totalDolares = Cobro::texto(p, "Label8");
        e1 = control<QLineEdit>(p, "Edit1")->text();
        QTest::keyClicks(control<QLineEdit>(p, "Edit1"), pesos);
        auto* e2 = control<QLineEdit>(p, "Edit2");
        e2->selectAll();
        QTest::keyClicks(e2, dolares);
        if (dolares.isEmpty()) e2->clear();
        p5 = Cobro::texto(p, "Label5");
        p10 = Cobro::texto(p, "Label10");
        p->findChild<QPushButton*>("BitBtn2")->click();
    });
    QCOMPARE(totalPesos, formato::moneda(total));
    QCOMPARE(totalDolares, formato::moneda(total / 13));
    QCOMPARE(e1, QString("0"));  // emptied, and so "0"
    QCOMPARE(p5, cambioPesos);
    QCOMPARE(p10, cambioDolares);
    QCOMPARE(db::valorUnico("select count(*) from tblctrl_saldosventas").toInt(), 0);  // "Cancelar"
    QCOMPARE(c.v->ticket().lineas(), 1);
}

void TestPago::tecleoDeImportes_data() {
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("queda");
    QTest::newRow("digitos") << "250"
                             << "0250";
    QTest::newRow("letras fuera") << "1a2b"
                                  << "012";
    QTest::newRow("un solo punto") << "1.5.2"
                                   << "01.52";
    QTest::newRow("sin signo") << "-5"
                               << "05";
}

void TestPago::tecleoDeImportes() {
    QFETCH(QString, tecleado);
    QFETCH(QString, queda);
    Cobro c(100);
    QString texto, vacio;
    c.pagar([&](TFrmPago* p) {
        auto* e = control<QLineEdit>(p, "Edit1");
        e->end(false);
        QTest::keyClicks(e, tecleado);
        texto = e->text();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        vacio = e->text();
        p->reject();
    });
    QCOMPARE(texto, queda);
    QCOMPARE(vacio, QString("0"));
}

void TestPago::aceptarGuardaUnaVez() {
    Cobro c(80);
    c.pagar([&](TFrmPago* p) {
        control<QLineEdit>(p, "Edit1")->setText("100");
        QTest::keyClick(control<QLineEdit>(p, "Edit1"), Qt::Key_Return);  // Enter is "Aceptar"
    });
    QCOMPARE(db::valorUnico("select count(*) from tblctrl_saldosventas").toInt(), 1);
    QCOMPARE(c.v->ticket().lineas(), 0);
    // Dollars handed over last time stay in the box; pesos start again from zero.
    c.t.guion.limpiar();
    control<QLineEdit>(c.v.get(), "TxtDescripcion")->clear();
    control<QLineEdit>(c.v.get(), "TxtDescripcion")->setText("PIEZA");
    QTest::keyClick(control<QLineEdit>(c.v.get(), "TxtCantidad"), Qt::Key_Return);
    QString pesos;
    c.pagar([&](TFrmPago* p) {
        pesos = control<QLineEdit>(p, "Edit1")->text();
        control<QLineEdit>(p, "Edit2")->setText("7");
        p->reject();
    });
    c.pagar([&](TFrmPago* p) {
        QCOMPARE(control<QLineEdit>(p, "Edit2")->text(), QString("7"));
        QCOMPARE(Cobro::texto(p, "Label5"), formato::moneda(7 * 13 - 80.0));
        p->reject();
    });
    QCOMPARE(pesos, QString("0"));
}

QTEST_MAIN(TestPago)
#include "test_pago.moc"
