#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>

#include "printing/Archivos.h"
#include "printing/Code39.h"
#include "printing/Motor.h"

namespace rpt {

namespace motor {
QPageLayout disposicion(const QSizeF& mm) {
    bool horizontal = mm.width() > mm.height();
    QSizeF vertical = horizontal ? mm.transposed() : mm;
    return QPageLayout(QPageSize(vertical, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       horizontal ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

bool escribirPdf(const Documento& d, const QString& archivo, int copias,
                 const std::function<bool(int, int)>& avance) {
    if (d.paginas.isEmpty()) return false;
    QPdfWriter w(archivo);
    const int dpi = 300;
    w.setResolution(dpi);
    w.setCreator("KAVO Refaccionaria");
    w.setTitle(d.layout);
    w.setPageLayout(disposicion(d.paginas.first().tamano));
    QPainter p;
    if (!p.begin(&w)) return false;
    bool primera = true;
    const int total = int(d.paginas.size()) * std::max(1, copias);
    int hechas = 0;
    for (int c = 0; c < std::max(1, copias); ++c) {
        for (const PaginaImpresa& pg : d.paginas) {
            if (avance && !avance(hechas++, total)) {
                p.end();
                return false;
            }
            if (!primera) {
                w.setPageLayout(disposicion(pg.tamano));
                w.newPage();
            }
            primera = false;
            p.save();
            p.scale(dpi / 25.4, dpi / 25.4);
            pintarPagina(p, pg);
            p.restore();
        }
    }
    return p.end();
}

QImage imagenDePagina(const PaginaImpresa& pg, int dpi) {
    QSize px(int(std::ceil(pg.tamano.width() / 25.4 * dpi)), int(std::ceil(pg.tamano.height() / 25.4 * dpi)));
    QImage img(px, QImage::Format_RGB32);
    img.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    img.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(dpi / 25.4, dpi / 25.4);
    pintarPagina(p, pg);
    return img;
}
}  // namespace motor

namespace {

// --- reading a page back as rows of text (plain text, CSV, ODT, RTF, spreadsheet) -----------

struct Renglon {
    double y = 0;
    QList<const ItemImpreso*> items;  // left to right
};

QList<Renglon> renglones(const PaginaImpresa& pg) {
    QList<const ItemImpreso*> textos;
    for (const BandaImpresa& b : pg.bandas)
        for (const ItemImpreso& i : b.items)
            if (i.tipo == Elemento::Texto && !i.texto.isEmpty()) textos << &i;
    std::stable_sort(textos.begin(), textos.end(), [](const ItemImpreso* a, const ItemImpreso* b) {
        return a->rect.top() < b->rect.top();
    });
    QList<Renglon> r;
    for (const ItemImpreso* i : textos) {
        if (r.isEmpty() || i->rect.top() > r.last().y + 1.2) {
            Renglon n;
            n.y = i->rect.top();
            r << n;
        }
        r.last().items << i;
    }
    for (Renglon& n : r)
        std::stable_sort(n.items.begin(), n.items.end(), [](const ItemImpreso* a, const ItemImpreso* b) {
            return a->rect.left() < b->rect.left();
        });
    return r;
}

QString unaLinea(const QString& s) {
    QString t = s;
    t.replace(QChar('\n'), QChar(' '));
    return t;
}

bool guardar(const QString& archivo, const QByteArray& bytes) {
    QSaveFile f(archivo);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(bytes);
    return f.commit();
}

// Plain text: a character every 2 mm, so columns keep their places.
QByteArray comoTexto(const Documento& d) {
    const double porCaracter = 2.0;
    double izquierda = 1e9;  // the leftmost text starts the lines
    for (const PaginaImpresa& pg : d.paginas)
        for (const BandaImpresa& b : pg.bandas)
            for (const ItemImpreso& i : b.items)
                if (i.tipo == Elemento::Texto && !i.texto.isEmpty() && i.estilo.alinear == Alinear::Izquierda)
                    izquierda = std::min(izquierda, i.rect.left());
    if (izquierda > 1e8) izquierda = 0;
    QStringList paginas;
    for (const PaginaImpresa& pg : d.paginas) {
        QStringList lineas;
        for (const Renglon& r : renglones(pg)) {
            QString linea;
            for (const ItemImpreso* i : r.items) {
                QString t = unaLinea(i->texto);
                int col = int(std::lround((i->rect.left() - izquierda) / porCaracter));
                int ancho = int(std::lround(i->rect.width() / porCaracter));
                if (i->estilo.alinear == Alinear::Derecha) col = col + ancho - int(t.size());
                if (i->estilo.alinear == Alinear::Centro) col = col + (ancho - int(t.size())) / 2;
                if (!linea.isEmpty()) col = std::max(col, int(linea.size()) + 1);
                col = std::max(col, 0);
                if (col > linea.size()) linea += QString(col - linea.size(), ' ');
                linea += t;
            }
            lineas << linea;
        }
        paginas << lineas.join("\n");
    }
    return (paginas.join("\n\f\n") + "\n").toUtf8();
}

QList<QStringList> tabla(const PaginaImpresa& pg) {
    QList<QStringList> r;
    for (const Renglon& n : renglones(pg)) {
        QStringList f;
        for (const ItemImpreso* i : n.items) f << unaLinea(i->texto);
        r << f;
    }
    return r;
}

QList<QList<QStringList>> hojas(const Documento& d) {
    QList<QList<QStringList>> r;
    for (const PaginaImpresa& pg : d.paginas) r << tabla(pg);
    return r;
}

QByteArray comoCsv(const Documento& d) {
    QByteArray r;
    for (const PaginaImpresa& pg : d.paginas)
        for (const Renglon& n : renglones(pg)) {
            QStringList campos;
            for (const ItemImpreso* i : n.items) {
                QString t = i->texto;
                if (t.contains(';') || t.contains('"') || t.contains('\n'))
                    t = '"' + t.replace("\"", "\"\"") + '"';
                campos << t;
            }
            r += campos.join(';').toUtf8() + "\r\n";
        }
    return r;
}

QString mm(double v) {
    return QString::number(v, 'f', 2) + "mm";
}

QString imagenEnLinea(const QImage& img) {
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return "data:image/png;base64," + QString::fromLatin1(bytes.toBase64());
}

QByteArray comoHtml(const Documento& d) {
    QString h;
    h += "<!DOCTYPE html>\n<html lang=\"es-MX\"><head><meta charset=\"utf-8\"><title>" +
         d.layout.toHtmlEscaped() +
         "</title>\n<style>\nbody{background:#888;margin:0;padding:8px}\n"
         ".pagina{position:relative;background:#fff;margin:8px auto;overflow:hidden}\n"
         ".t{position:absolute;display:flex;align-items:center;white-space:pre;overflow:visible;"
         "font-family:'DejaVu Sans',Arial,sans-serif;color:#000}\n"
         ".t.a{align-items:flex-start;white-space:pre-wrap}\n"
         ".g{position:absolute;left:0;top:0}\n</style></head><body>\n";
    for (const PaginaImpresa& pg : d.paginas) {
        h += QString("<div class=\"pagina\" style=\"width:%1;height:%2\">\n")
                 .arg(mm(pg.tamano.width()), mm(pg.tamano.height()));
        QString svg;
        for (const BandaImpresa& b : pg.bandas)
            for (const ItemImpreso& i : b.items) {
                const QRectF& r = i.rect;
                switch (i.tipo) {
                    case Elemento::Texto: {
                        if (i.texto.isEmpty()) break;
                        QString just = i.estilo.alinear == Alinear::Derecha  ? "flex-end"
                                       : i.estilo.alinear == Alinear::Centro ? "center"
                                                                             : "flex-start";
                        h +=
                            QString(
                                "<div class=\"t%1\" style=\"left:%2;top:%3;width:%4;height:%5;font-size:%6pt;"
                                "justify-content:%7;text-align:%8%9\">%10</div>\n")
                                .arg(i.estilo.ajustar ? " a" : "", mm(r.left()), mm(r.top()), mm(r.width()),
                                     mm(r.height()), QString::number(i.estilo.puntos), just,
                                     i.estilo.alinear == Alinear::Derecha  ? "right"
                                     : i.estilo.alinear == Alinear::Centro ? "center"
                                                                           : "left",
                                     i.estilo.negrita ? ";font-weight:bold" : "", i.texto.toHtmlEscaped());
                        break;
                    }
                    case Elemento::Linea:
                        svg += QString(
                                   "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"#000\" "
                                   "stroke-width=\"0.25\"/>")
                                   .arg(r.left())
                                   .arg(r.top())
                                   .arg(r.right())
                                   .arg(r.bottom());
                        break;
                    case Elemento::Rectangulo:
                        svg += QString(
                                   "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                                   "stroke=\"#000\" stroke-width=\"0.25\"/>")
                                   .arg(r.left())
                                   .arg(r.top())
                                   .arg(r.width())
                                   .arg(r.height());
                        break;
                    case Elemento::Barras39: {
                        QString m = codigo39::modulos(i.texto, 3);
                        double w = r.width() / std::max<qsizetype>(1, m.size());
                        for (int k = 0; k < m.size(); ++k)
                            if (m.at(k) == '1')
                                svg += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
                                           .arg(r.left() + k * w)
                                           .arg(r.top())
                                           .arg(w * 1.02)
                                           .arg(r.height());
                        break;
                    }
                    case Elemento::Imagen:
                    case Elemento::Logo: {
                        QImage img;
                        if (i.tipo == Elemento::Imagen) {
                            if (!QFileInfo::exists(i.texto)) break;
                            img = QImage(i.texto);
                        } else {
                            img = QImage(QSize(200, int(200 * r.height() / std::max(0.1, r.width()))),
                                         QImage::Format_ARGB32);
                            img.fill(Qt::transparent);
                            QPainter p(&img);
                            p.scale(200 / r.width(), 200 / r.width());
                            motor::pintarLogo(p, QRectF(QPointF(0, 0), r.size()));
                        }
                        if (img.isNull()) break;
                        h +=
                            QString(
                                "<img src=\"%1\" style=\"position:absolute;left:%2;top:%3;width:%4;height:%5;"
                                "object-fit:contain\" alt=\"\">\n")
                                .arg(imagenEnLinea(img), mm(r.left()), mm(r.top()), mm(r.width()),
                                     mm(r.height()));
                        break;
                    }
                }
            }
        if (!svg.isEmpty())
            h += QString("<svg class=\"g\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">%5</svg>\n")
                     .arg(mm(pg.tamano.width()), mm(pg.tamano.height()))
                     .arg(pg.tamano.width())
                     .arg(pg.tamano.height())
                     .arg(svg);
        h += "</div>\n";
    }
    h += "</body></html>\n";
    return h.toUtf8();
}

// Rows of text with tab stops where the page had its columns; shared by ODT.
QTextDocument* comoDocumentoDeTexto(const Documento& d) {
    auto* doc = new QTextDocument;
    doc->setPageSize(d.paginas.isEmpty() ? QSizeF() : d.paginas.first().tamano / 25.4 * 72);
    QTextCursor c(doc);
    bool primero = true;
    for (int p = 0; p < d.paginas.size(); ++p) {
        bool inicioDePagina = true;
        for (const Renglon& r : renglones(d.paginas.at(p))) {
            QTextBlockFormat bf;
            QList<QTextOption::Tab> tabs;
            for (int k = 1; k < r.items.size(); ++k) {
                const ItemImpreso* i = r.items.at(k);
                double x = (i->rect.left() - 10) / 25.4 * 72;
                QTextOption::TabType tipo = QTextOption::LeftTab;
                if (i->estilo.alinear == Alinear::Derecha) {
                    x = (i->rect.right() - 10) / 25.4 * 72;
                    tipo = QTextOption::RightTab;
                } else if (i->estilo.alinear == Alinear::Centro) {
                    x = (i->rect.center().x() - 10) / 25.4 * 72;
                    tipo = QTextOption::CenterTab;
                }
                tabs << QTextOption::Tab(std::max(0.0, x), tipo);
            }
            bf.setTabPositions(tabs);
            if (inicioDePagina && p > 0) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            if (primero)
                c.setBlockFormat(bf);
            else
                c.insertBlock(bf);
            primero = false;
            inicioDePagina = false;
            for (int k = 0; k < r.items.size(); ++k) {
                const ItemImpreso* i = r.items.at(k);
                QTextCharFormat cf;
                cf.setFontFamilies({"DejaVu Sans"});
                cf.setFontPointSize(i->estilo.puntos);
                cf.setFontWeight(i->estilo.negrita ? QFont::Bold : QFont::Normal);
                if (k > 0) c.insertText("\t", cf);
                c.insertText(unaLinea(i->texto), cf);
            }
        }
    }
    return doc;
}

QByteArray comoRtf(const Documento& d) {
    auto escapar = [](const QString& s) {
        QByteArray r;
        for (QChar ch : unaLinea(s)) {
            ushort u = ch.unicode();
            if (ch == '\\' || ch == '{' || ch == '}')
                r += '\\' + QByteArray(1, char(u));
            else if (u < 128)
                r += char(u);
            else
                r += "\\u" + QByteArray::number(qint16(u)) + "?";
        }
        return r;
    };
    auto twips = [](double v) { return QByteArray::number(qlonglong(std::lround(v / 25.4 * 1440))); };
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss DejaVu Sans;}}\n";
    if (!d.paginas.isEmpty()) {
        QSizeF t = d.paginas.first().tamano;
        r += "\\paperw" + twips(t.width()) + "\\paperh" + twips(t.height()) + "\\margl" + twips(10) +
             "\\margr" + twips(5) + "\\margt" + twips(10) + "\\margb" + twips(5) + "\n";
    }
    for (int p = 0; p < d.paginas.size(); ++p) {
        if (p > 0) r += "\\page\n";
        for (const Renglon& n : renglones(d.paginas.at(p))) {
            r += "\\pard\\plain\\f0";
            for (int k = 1; k < n.items.size(); ++k) {
                const ItemImpreso* i = n.items.at(k);
                if (i->estilo.alinear == Alinear::Derecha)
                    r += "\\tqr\\tx" + twips(std::max(0.0, i->rect.right() - 10));
                else if (i->estilo.alinear == Alinear::Centro)
                    r += "\\tqc\\tx" + twips(std::max(0.0, i->rect.center().x() - 10));
                else
                    r += "\\tx" + twips(std::max(0.0, i->rect.left() - 10));
            }
            r += " ";
            for (int k = 0; k < n.items.size(); ++k) {
                const ItemImpreso* i = n.items.at(k);
                if (k > 0) r += "\\tab ";
                r += "{\\fs" + QByteArray::number(qlonglong(std::lround(i->estilo.puntos * 2))) +
                     (i->estilo.negrita ? "\\b " : " ") + escapar(i->texto) + "}";
            }
            r += "\\par\n";
        }
    }
    r += "}\n";
    return r;
}

// A spreadsheet in the XML workbook format that spreadsheet programs open: one sheet per
// page, one row per printed row, one cell per text.
QByteArray comoXml(const Documento& d) {
    QByteArray r;
    QXmlStreamWriter x(&r);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeProcessingInstruction("mso-application", "progid=\"Excel.Sheet\"");
    x.writeStartElement("Workbook");
    x.writeDefaultNamespace("urn:schemas-microsoft-com:office:spreadsheet");
    x.writeNamespace("urn:schemas-microsoft-com:office:spreadsheet", "ss");
    const QString ss = "urn:schemas-microsoft-com:office:spreadsheet";
    for (int p = 0; p < d.paginas.size(); ++p) {
        x.writeStartElement("Worksheet");
        x.writeAttribute(ss, "Name", QString::fromUtf8("Página %1").arg(p + 1));
        x.writeStartElement("Table");
        for (const Renglon& n : renglones(d.paginas.at(p))) {
            x.writeStartElement("Row");
            for (const ItemImpreso* i : n.items) {
                x.writeStartElement("Cell");
                x.writeStartElement("Data");
                x.writeAttribute(ss, "Type", "String");
                x.writeCharacters(i->texto);
                x.writeEndElement();
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
    return r;
}

// Baseline TIFF: one uncompressed RGB strip (no image plug-in is needed for it).
QByteArray comoTiff(const QImage& origen) {
    QImage img = origen.convertToFormat(QImage::Format_RGB888);
    const quint32 w = img.width(), h = img.height();
    QByteArray pixeles;
    pixeles.reserve(int(w * h * 3));
    for (quint32 y = 0; y < h; ++y)
        pixeles.append(reinterpret_cast<const char*>(img.constScanLine(int(y))), int(w * 3));
    auto u16 = [](QByteArray& b, quint16 v) {
        b += char(v & 0xff);
        b += char(v >> 8);
    };
    auto u32 = [](QByteArray& b, quint32 v) {
        for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xff);
    };
    const int entradas = 12;
    const quint32 ifd = 8;
    const quint32 extra = ifd + 2 + entradas * 12 + 4;  // bits per sample, then resolution
    const quint32 datos = extra + 6 + 16;
    const quint32 dpm = quint32(std::max(1, img.dotsPerMeterX()));
    QByteArray b = "II";
    u16(b, 42);
    u32(b, ifd);
    u16(b, entradas);
    auto entrada = [&](quint16 tag, quint16 tipo, quint32 n, quint32 v) {
        u16(b, tag);
        u16(b, tipo);
        u32(b, n);
        u32(b, v);
    };
    entrada(256, 4, 1, w);                        // width
    entrada(257, 4, 1, h);                        // length
    entrada(258, 3, 3, extra);                    // bits per sample: 8, 8, 8
    entrada(259, 3, 1, 1);                        // no compression
    entrada(262, 3, 1, 2);                        // RGB
    entrada(273, 4, 1, datos);                    // strip offset
    entrada(277, 3, 1, 3);                        // samples per pixel
    entrada(278, 4, 1, h);                        // rows per strip
    entrada(279, 4, 1, quint32(pixeles.size()));  // strip bytes
    entrada(282, 5, 1, extra + 6);                // x resolution
    entrada(283, 5, 1, extra + 14);               // y resolution
    entrada(296, 3, 1, 3);                        // centimetres
    u32(b, 0);
    u16(b, 8);
    u16(b, 8);
    u16(b, 8);
    u32(b, dpm);
    u32(b, 100);
    u32(b, dpm);
    u32(b, 100);
    b += pixeles;
    return b;
}

bool imagenes(const Documento& d, const QString& archivo, Formato f) {
    if (d.paginas.isEmpty()) return false;
    QFileInfo fi(archivo);
    const int dpi = 150;
    for (int p = 0; p < d.paginas.size(); ++p) {
        QString nombre = d.paginas.size() == 1 ? archivo
                                               : fi.path() + "/" + fi.completeBaseName() + "-" +
                                                     QString::number(p + 1) + "." + fi.suffix();
        QImage img = motor::imagenDePagina(d.paginas.at(p), dpi);
        bool ok = false;
        switch (f) {
            case Formato::Tiff:
                ok = guardar(nombre, comoTiff(img));
                break;
            case Formato::Jpeg:
                ok = img.save(nombre, "JPEG", 92);
                break;
            case Formato::Bmp:
                ok = img.save(nombre, "BMP");
                break;
            case Formato::Gif:
                ok = guardar(nombre, archivos::gif(img));
                break;
            default:
                ok = img.save(nombre, "PNG");
                break;
        }
        if (!ok) return false;
    }
    return true;
}

}  // namespace

bool exportarPdf(const Documento& d, const QString& archivo) {
    return motor::escribirPdf(d, archivo, 1);
}

bool exportarPng(const Documento& d, const QString& prefijo) {
    for (int p = 0; p < d.paginas.size(); ++p)
        if (!motor::imagenDePagina(d.paginas.at(p), 150)
                 .save(prefijo + "-" + QString::number(p + 1) + ".png", "PNG"))
            return false;
    return !d.paginas.isEmpty();
}

bool exportar(const Documento& d, const QString& archivo, Formato formato) {
    switch (formato) {
        case Formato::Pdf:
            return exportarPdf(d, archivo);
        case Formato::Html:
            return guardar(archivo, comoHtml(d));
        case Formato::Texto:
            return guardar(archivo, comoTexto(d));
        case Formato::Csv:
            return guardar(archivo, comoCsv(d));
        case Formato::Rtf:
            return guardar(archivo, comoRtf(d));
        case Formato::Xml:
            return guardar(archivo, comoXml(d));
        case Formato::Odt: {
            std::unique_ptr<QTextDocument> doc(comoDocumentoDeTexto(d));
            QTextDocumentWriter w(archivo, "odf");
            return w.write(doc.get());
        }
        case Formato::Ods:
            return guardar(archivo, archivos::ods(hojas(d)));
        case Formato::Xlsx:
            return guardar(archivo, archivos::xlsx(hojas(d)));
        case Formato::Dbf: {
            QList<QStringList> filas;
            for (const auto& h : hojas(d)) filas << h;
            return guardar(archivo, archivos::dbf(filas));
        }
        case Formato::Png:
        case Formato::Jpeg:
        case Formato::Bmp:
        case Formato::Gif:
        case Formato::Tiff:
            return imagenes(d, archivo, formato);
    }
    return false;
}

bool formatoPorExtension(const QString& archivo, Formato* formato) {
    static const QList<QPair<QString, Formato>> kExt = {
        {"pdf", Formato::Pdf},   {"html", Formato::Html}, {"htm", Formato::Html},  {"odt", Formato::Odt},
        {"rtf", Formato::Rtf},   {"xml", Formato::Xml},   {"txt", Formato::Texto}, {"csv", Formato::Csv},
        {"png", Formato::Png},   {"jpg", Formato::Jpeg},  {"jpeg", Formato::Jpeg}, {"bmp", Formato::Bmp},
        {"tif", Formato::Tiff},  {"tiff", Formato::Tiff}, {"gif", Formato::Gif},   {"ods", Formato::Ods},
        {"xlsx", Formato::Xlsx}, {"dbf", Formato::Dbf},
    };
    QString s = QFileInfo(archivo).suffix().toLower();
    for (const auto& e : kExt)
        if (e.first == s) {
            if (formato) *formato = e.second;
            return true;
        }
    return false;
}

QString filtroArchivos() {
    return QString::fromUtf8(
        "Documento PDF (*.pdf);;Página web (*.html *.htm);;Documento de texto ODF (*.odt);;"
        "Texto enriquecido (*.rtf);;Hoja de cálculo XML (*.xml);;Texto sin formato (*.txt);;"
        "Valores separados por punto y coma (*.csv);;Imagen PNG (*.png);;Imagen JPEG (*.jpg *.jpeg);;"
        "Imagen BMP (*.bmp);;Imagen TIFF (*.tif *.tiff);;Imagen GIF (*.gif);;"
        "Hoja de cálculo ODF (*.ods);;Libro de Excel (*.xlsx);;Tabla dBase (*.dbf)");
}

}  // namespace rpt
