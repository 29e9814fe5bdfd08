#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "../support/TestSupport.h"
#include "common/Dialogos.h"
#include "common/TipoDeCambio.h"
#include "db/Sql.h"

namespace {
double tasaGuardada() {
    return db::valorUnico("select TipoCambio from tblctrl_tipodecambio").toDouble();
}
}  // namespace

class TestTipoDeCambio : public QObject {
    Q_OBJECT
  private slots:
    void tasaDeArranqueYDisposicion();
    void enterGuardaYCierra();
    void guardarPoneLaTasaEnVigor();
    void tasaInvalidaSeRechaza_data();
    void tasaInvalidaSeRechaza();
    void cambioDeOtraEstacionNoSeLeeHastaReiniciar();
    void otraEstacionNoImpideGuardar();
};

void TestTipoDeCambio::tasaDeArranqueYDisposicion() {
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    QVERIFY(d);
    QCOMPARE(d->TipoCambio(), 17.5);  // the seeded rate
    QCOMPARE(d->size(), QSize(326, 164));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    auto* campo = control<QLineEdit>(d, "DBEdit1");
    QCOMPARE(campo->font().pixelSize(), 96);
    QCOMPARE(campo->text(), QString("17.5"));
    QStringList rotulos;
    for (QLabel* l : d->findChildren<QLabel*>()) rotulos << l->text();
    QVERIFY(rotulos.contains("Pesos x"));
    QVERIFY(rotulos.contains("Dolar"));
    QCOMPARE(control<QPushButton>(d, "BitBtn1")->text(), QString("Guardar"));
}

void TestTipoDeCambio::enterGuardaYCierra() {
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    int resultado = -1;
    t.guion.dialogo = [&](QDialog* dlg) {
        auto* campo = control<QLineEdit>(dlg, "DBEdit1");
        campo->selectAll();
        QTest::keyClicks(campo, "19.25");
        QTest::keyClick(campo, Qt::Key_Return);
        resultado = dlg->result();
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QCOMPARE(resultado, int(QDialog::Accepted));
    QCOMPARE(t.guion.dialogosMostrados, QStringList{"FrmTipoDeCambio"});
    QCOMPARE(tasaGuardada(), 19.25);
    QCOMPARE(d->TipoCambio(), 19.25);
    QVERIFY(t.guion.mostrados.isEmpty());
}

void TestTipoDeCambio::guardarPoneLaTasaEnVigor() {
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    t.guion.dialogo = [&](QDialog* dlg) {
        control<QLineEdit>(dlg, "DBEdit1")->setText("20");
        QTest::mouseClick(control<QPushButton>(dlg, "BitBtn1"), Qt::LeftButton);
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QCOMPARE(d->TipoCambio(), 20.0);
    QCOMPARE(db::valorUnico("select count(*) from tblctrl_tipodecambio").toInt(), 1);
    // Shown again, it offers the rate in force.
    QString mostrado;
    t.guion.dialogo = [&](QDialog* dlg) {
        mostrado = control<QLineEdit>(dlg, "DBEdit1")->text();
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(mostrado, QString("20"));
}

void TestTipoDeCambio::tasaInvalidaSeRechaza_data() {
    QTest::addColumn<QString>("texto");
    QTest::newRow("cero") << "0";
    QTest::newRow("negativo") << "-1";
    QTest::newRow("letras") << "abc";
    QTest::newRow("vacio") << "";
    QTest::newRow("infinito") << "inf";
}

void TestTipoDeCambio::tasaInvalidaSeRechaza() {
    QFETCH(QString, texto);
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    bool visibleTrasGuardar = false;
    QString campoTrasGuardar;
    t.guion.dialogo = [&](QDialog* dlg) {
        auto* campo = control<QLineEdit>(dlg, "DBEdit1");
        campo->setText(texto);
        QTest::keyClick(campo, Qt::Key_Return);
        visibleTrasGuardar = dlg->isVisible() && dlg->result() == QDialog::Rejected;
        campoTrasGuardar = campo->text();
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QVERIFY(visibleTrasGuardar);  // stays open for a correct value
    QCOMPARE(campoTrasGuardar, QString("17.5"));
    QCOMPARE(t.guion.mostrados,
             QStringList{QString::fromUtf8("El tipo de cambio debe ser un número mayor que cero, gracias")});
    QCOMPARE(tasaGuardada(), 17.5);
    QCOMPARE(d->TipoCambio(), 17.5);
}

void TestTipoDeCambio::cambioDeOtraEstacionNoSeLeeHastaReiniciar() {
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    QCOMPARE(d->TipoCambio(), 17.5);
    db::ejecutar("update tblctrl_tipodecambio set TipoCambio = 21");
    QCOMPARE(d->TipoCambio(), 17.5);
    QString mostrado;
    t.guion.dialogo = [&](QDialog* dlg) {
        mostrado = control<QLineEdit>(dlg, "DBEdit1")->text();
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(mostrado, QString("17.5"));
    QCOMPARE(d->TipoCambio(), 17.5);
    // A program started afterwards reads the stored rate.
    TFrmTipoDeCambio otro;
    QCOMPARE(otro.TipoCambio(), 21.0);
}

// Holding the rate must not pin this station to an old snapshot of the database: after
// another station writes, this one still stores its own changes.
void TestTipoDeCambio::otraEstacionNoImpideGuardar() {
    TiendaDePrueba t(true);
    TFrmTipoDeCambio* d = dialogos().TipoDeCambio;
    QCOMPARE(d->TipoCambio(), 17.5);
    {
        QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra_estacion");
        db::ejecutar(otra, "insert into tblcat_clientes (Nombre) values ('De la otra caja')");
        otra.close();
    }
    QSqlDatabase::removeDatabase("otra_estacion");
    QCOMPARE(db::valorUnico("select count(*) from tblcat_clientes").toInt(), 1);
    t.guion.dialogo = [&](QDialog* dlg) {
        control<QLineEdit>(dlg, "DBEdit1")->setText("18");
        QTest::keyClick(control<QLineEdit>(dlg, "DBEdit1"), Qt::Key_Return);
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QVERIFY2(t.guion.errores.isEmpty(), qPrintable(t.guion.errores.join("; ")));
    QCOMPARE(tasaGuardada(), 18.0);
}

QTEST_MAIN(TestTipoDeCambio)
#include "test_tipodecambio.moc"
