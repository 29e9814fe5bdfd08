#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cmath>

#include "printing/Code39.h"
#include "printing/Motor.h"

namespace rpt::motor {

QFont fuente(const Estilo& s) {
    QFont f("DejaVu Sans");
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(s.puntos * 10))));
    f.setBold(s.negrita);
    return f;
}

int banderas(const Estilo& s) {
    int f = 0;
    switch (s.alinear) {
        case Alinear::Izquierda:
            f |= Qt::AlignLeft;
            break;
        case Alinear::Centro:
            f |= Qt::AlignHCenter;
            break;
        case Alinear::Derecha:
            f |= Qt::AlignRight;
            break;
    }
    f |= s.ajustar ? (Qt::AlignTop | Qt::TextWordWrap) : (Qt::AlignVCenter | Qt::TextSingleLine);
    return f;
}

double altoTexto(const QString& texto, const Estilo& s, double anchoMm) {
    if (texto.isEmpty()) return 0;
    QFontMetricsF fm(fuente(s));
    QRectF r = fm.boundingRect(QRectF(0, 0, anchoMm * kUnidadesPorMm, 1e7), banderas(s), texto);
    return r.height() / kUnidadesPorMm;
}

void pintarLogo(QPainter& p, const QRectF& rect) {
    // The store's mark: a dark gear with a "K" in its hub.
    double lado = std::min(rect.width(), rect.height());
    if (lado <= 0) return;
    QPointF c(rect.left() + lado / 2, rect.top() + rect.height() / 2);
    const QColor oscuro(25, 45, 90);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(oscuro);
    double radio = lado * 0.40;
    for (int i = 0; i < 10; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 36.0);
        p.drawRect(QRectF(-lado * 0.07, -lado * 0.5, lado * 0.14, lado * 0.2));
        p.restore();
    }
    p.drawEllipse(c, radio, radio);
    p.setBrush(Qt::white);
    p.drawEllipse(c, radio * 0.72, radio * 0.72);
    QPainterPath k;
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(100);
    k.addText(0, 0, f, "K");
    QRectF b = k.boundingRect();
    double escala = radio * 0.95 / b.height();
    p.translate(c);
    p.scale(escala, escala);
    p.translate(-b.center());
    p.setBrush(oscuro);
    p.drawPath(k);
    p.restore();
}

namespace {

void pintarBarras(QPainter& p, const QRectF& r, const QString& codigo) {
    QString m = codigo39::modulos(codigo, 3);
    if (m.isEmpty() || r.width() <= 0) return;
    double ancho = r.width() / m.size();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int i = 0; i < m.size();) {
        if (m.at(i) != '1') {
            ++i;
            continue;
        }
        int j = i;
        while (j < m.size() && m.at(j) == '1') ++j;
        p.drawRect(QRectF(r.left() + i * ancho, r.top(), (j - i) * ancho, r.height()));
        i = j;
    }
    p.restore();
}

void pintarImagen(QPainter& p, const QRectF& r, const QString& ruta) {
    if (ruta.isEmpty() || !QFileInfo::exists(ruta)) return;
    QImage img(ruta);
    if (img.isNull()) return;
    QSizeF s = QSizeF(img.size()).scaled(r.size(), Qt::KeepAspectRatio);
    QRectF destino(r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2, s.width(),
                   s.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(destino, img);
    p.restore();
}

}  // namespace

void pintarPagina(QPainter& p, const PaginaImpresa& pagina) {
    QPen pluma(Qt::black);
    pluma.setWidthF(0.25);
    pluma.setCapStyle(Qt::FlatCap);
    for (const BandaImpresa& b : pagina.bandas) {
        for (const ItemImpreso& it : b.items) {
            switch (it.tipo) {
                case Elemento::Texto: {
                    if (it.texto.isEmpty()) break;
                    p.save();
                    p.scale(1 / kUnidadesPorMm, 1 / kUnidadesPorMm);
                    p.setFont(fuente(it.estilo));
                    p.setPen(Qt::black);
                    QRectF r(it.rect.topLeft() * kUnidadesPorMm, it.rect.size() * kUnidadesPorMm);
                    p.drawText(r, banderas(it.estilo), it.texto);
                    p.restore();
                    break;
                }
                case Elemento::Linea:
                    p.setPen(pluma);
                    p.drawLine(it.rect.topLeft(), it.rect.bottomRight());
                    break;
                case Elemento::Rectangulo:
                    p.setPen(pluma);
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(it.rect);
                    break;
                case Elemento::Imagen:
                    pintarImagen(p, it.rect, it.texto);
                    break;
                case Elemento::Barras39:
                    pintarBarras(p, it.rect, it.texto);
                    break;
                case Elemento::Logo:
                    pintarLogo(p, it.rect);
                    break;
            }
        }
    }
}

int paginasPdf(const QByteArray& pdf) {
    // "/Type /Page" objects, not the "/Type /Pages" tree nodes.
    static const QRegularExpression re(R"(/Type\s*/Page(?![s\w]))");
    int n = 0;
    auto it = re.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

}  // namespace rpt::motor
