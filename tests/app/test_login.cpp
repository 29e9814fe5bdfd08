#include <QLineEdit>
#include <QSignalSpy>

#include "TestSupport.h"
#include "app/Login.h"
#include "common/Sesion.h"
#include "db/Password.h"
#include "db/Sql.h"

class TestLogin : public QObject {
    Q_OBJECT
  private slots:
    void entrar_data();
    void entrar();
    void enterPasaDelUsuarioAlPassword();
};

void TestLogin::entrar_data() {
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("acepta");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("foco");
    const QString malUsuario = "El usuario es incorrecto, por favor intenta de nuevo";
    const QString malPassword = "El password es incorrecto, por favor intentalo de nuevo";
    QTest::newRow("exacto") << "cajero"
                            << "Mostrador7" << true << ""
                            << "";
    QTest::newRow("usuario en otra caja") << "CaJeRo"
                                          << "Mostrador7" << true << ""
                                          << "";
    QTest::newRow("password en otra caja") << "cajero"
                                           << "mostrador7" << false << malPassword << "Edit2";
    QTest::newRow("password vacío") << "cajero"
                                    << "" << false << malPassword << "Edit2";
    QTest::newRow("usuario inexistente") << "nadie"
                                         << "Mostrador7" << false << malUsuario << "Edit1";
    QTest::newRow("usuario vacío") << ""
                                   << "Mostrador7" << false << malUsuario << "Edit1";
    QTest::newRow("comilla en el usuario") << "x' or '1'='1"
                                           << "a" << false << malUsuario << "Edit1";
}

void TestLogin::entrar() {
    QFETCH(QString, usuario);
    QFETCH(QString, password);
    QFETCH(bool, acepta);
    QFETCH(QString, mensaje);
    QFETCH(QString, foco);
    TiendaDePrueba t;
    db::ejecutar("insert into tblcat_usuarios (Nombre, Usuario, Password) values ('Cajero', 'cajero', :p)",
                 {{"p", contrasena::cifrar("Mostrador7")}});
    sesion::setIdUsuario(0);
    TFrmLogin login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    auto* e1 = control<QLineEdit>(&login, "Edit1");
    auto* e2 = control<QLineEdit>(&login, "Edit2");
    QCOMPARE(e2->echoMode(), QLineEdit::Password);
    e1->setText(usuario);
    e2->setText(password);
    login.BitBtn1Click();
    QCOMPARE(login.result() == QDialog::Accepted, acepta);
    if (acepta) {
        QVERIFY(t.guion.mostrados.isEmpty());
        QCOMPARE(sesion::IdUsuario(), 2);
    } else {
        QCOMPARE(t.guion.mostrados, QStringList{mensaje});
        QCOMPARE(sesion::IdUsuario(), 0);
        auto* f = control<QLineEdit>(&login, foco);
        QVERIFY(f->hasFocus());
        QCOMPARE(f->selectedText(), f->text());
    }
}

void TestLogin::enterPasaDelUsuarioAlPassword() {
    TiendaDePrueba t;
    TFrmLogin login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    QCOMPARE(login.size(), QSize(300, 150));
    auto* e1 = control<QLineEdit>(&login, "Edit1");
    auto* e2 = control<QLineEdit>(&login, "Edit2");
    e1->setFocus();
    QTest::keyClicks(e1, "ADMIN");
    QTest::keyClick(e1, Qt::Key_Return);
    QVERIFY(e2->hasFocus());
    QCOMPARE(e2->palette().color(QPalette::Base), QColor(Qt::yellow));
    QVERIFY(e1->palette().color(QPalette::Base) != QColor(Qt::yellow));
    QTest::keyClicks(e2, "admin");
    QTest::keyClick(e2, Qt::Key_Return);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(sesion::IdUsuario(), 1);
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
