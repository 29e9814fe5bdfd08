#include "app/Login.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"
#include "db/Password.h"
#include "db/Sql.h"

namespace {
// The login picture: the fields' labels, a green check at the bottom right (49 x 49)
// and a red cross at the top right (25 x 25).
QPixmap fondoLogin() {
    QPixmap p(300, 150);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, 150);
    fondo.setColorAt(0, QColor(150, 181, 243));
    fondo.setColorAt(1, QColor(40, 70, 140));
    g.fillRect(p.rect(), fondo);
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(15);
    g.setFont(f);
    g.drawText(QRect(12, 6, 250, 22), Qt::AlignLeft | Qt::AlignVCenter, "KAVO Refaccionaria");
    f.setPixelSize(12);
    g.setFont(f);
    g.drawText(QRect(14, 38, 100, 16), Qt::AlignLeft, "Usuario");
    g.drawText(QRect(14, 82, 100, 16), Qt::AlignLeft, "Password");
    // green check mark
    g.setBrush(QColor(30, 160, 60));
    g.setPen(Qt::NoPen);
    g.drawEllipse(QRect(245, 95, 47, 47));
    QPen check(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    g.setPen(check);
    g.drawPolyline(QPolygon({QPoint(257, 119), QPoint(265, 128), QPoint(281, 108)}));
    // red cross
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(200, 30, 30));
    g.drawRoundedRect(QRect(272, 3, 24, 24), 4, 4);
    g.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(278, 9, 290, 21);
    g.drawLine(290, 9, 278, 21);
    return p;
}
}  // namespace

TFrmLogin::TFrmLogin(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmLogin");
    setWindowTitle("Acceso Palmeto");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(300, 150);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(fondoLogin());
    Image1->setGeometry(0, 0, 300, 150);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(14, 55, 200, 22);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setEchoMode(QLineEdit::Password);
    Edit2->setGeometry(14, 99, 200, 22);
    ZUMUtils::colorearFoco({Edit1, Edit2});
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);

    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(244, 94, 49, 49);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    Image3 = new QLabel(this);
    Image3->setObjectName("Image3");
    Image3->setGeometry(271, 2, 25, 25);
    Image3->setCursor(Qt::PointingHandCursor);
    Image3->installEventFilter(this);

    // Outside the visible area: reached through the check mark or Enter.
    BitBtn1 = new QPushButton("Entrar", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(320, 160, 75, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmLogin::BitBtn1Click);
    Edit1->setFocus();
}

bool TFrmLogin::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        if (o == Image2) BitBtn1Click();
        if (o == Image3) Image3Click();
    }
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (o == Edit1) {
                Edit2->setFocus();
                return true;
            }
            if (o == Edit2) {
                BitBtn1Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmLogin::keyPressEvent(QKeyEvent* e) {
    // Escape must not close the login behind the user's back; the red cross ends the program.
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}

void TFrmLogin::BitBtn1Click() {
    ui::protegido(
        [&] {
            db::Consulta qusuarios("select * from tblcat_usuarios where usuario = :usuario");
            qusuarios.bind("usuario", Edit1->text());
            qusuarios.abrir();
            if (qusuarios.vacia()) {
                ui::mensaje("El usuario es incorrecto, por favor intenta de nuevo", this);
                Edit1->setFocus();
                Edit1->selectAll();
                return;
            }
            if (!contrasena::verificar(Edit2->text(), qusuarios.texto("Password"))) {
                ui::mensaje("El password es incorrecto, por favor intentalo de nuevo", this);
                Edit2->setFocus();
                Edit2->selectAll();
                return;
            }
            sesion::setIdUsuario(qusuarios.entero("Id"));
            accept();
        },
        this);
}

void TFrmLogin::Image3Click() {
    reject();
}
