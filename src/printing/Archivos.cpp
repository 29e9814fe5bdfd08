#include "printing/Archivos.h"

#include <QDate>
#include <QXmlStreamWriter>
#include <array>
#include <vector>

// Writers for the file formats the image plug-ins and the text writer of the platform do
// not offer: GIF, ZIP containers (spreadsheets), dBase tables.
namespace rpt::archivos {

namespace {

void u16(QByteArray& b, quint32 v) {
    b += char(v & 0xff);
    b += char((v >> 8) & 0xff);
}
void u32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xff);
}

quint32 crc32(const QByteArray& datos) {
    static const std::array<quint32, 256> tabla = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (char ch : datos) c = tabla[(c ^ quint8(ch)) & 0xff] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// --- GIF: LZW codes packed least significant bit first ---------------------------------------
class Bits {
  public:
    void poner(int codigo, int tamano) {
        acumulado_ |= quint32(codigo) << cuenta_;
        cuenta_ += tamano;
        while (cuenta_ >= 8) {
            bytes += char(acumulado_ & 0xff);
            acumulado_ >>= 8;
            cuenta_ -= 8;
        }
    }
    void terminar() {
        if (cuenta_ > 0) bytes += char(acumulado_ & 0xff);
        acumulado_ = 0;
        cuenta_ = 0;
    }
    QByteArray bytes;

  private:
    quint32 acumulado_ = 0;
    int cuenta_ = 0;
};

QByteArray lzw(const QImage& img) {
    const int limpiar = 256, fin = 257;
    std::vector<qint16> tabla(4096 * 256, -1);
    int siguiente = fin + 1, tamano = 9;
    Bits salida;
    auto emitir = [&](int codigo) {
        salida.poner(codigo, tamano);
        if (siguiente >= (1 << tamano) && tamano < 12) ++tamano;
    };
    auto reiniciar = [&] {
        std::fill(tabla.begin(), tabla.end(), qint16(-1));
        siguiente = fin + 1;
        tamano = 9;
    };
    emitir(limpiar);
    int prefijo = -1;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* fila = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            int c = fila[x];
            if (prefijo < 0) {
                prefijo = c;
                continue;
            }
            int clave = prefijo * 256 + c;
            if (tabla[clave] >= 0) {
                prefijo = tabla[clave];
                continue;
            }
            emitir(prefijo);
            if (siguiente >= 4095) {
                emitir(limpiar);
                reiniciar();
            } else {
                tabla[clave] = qint16(siguiente++);
            }
            prefijo = c;
        }
    }
    if (prefijo >= 0) emitir(prefijo);
    emitir(fin);
    salida.terminar();
    return salida.bytes;
}

// --- ZIP, entries stored as they are ------------------------------------------------------
QByteArray zip(const QList<QPair<QString, QByteArray>>& entradas) {
    QByteArray z, central;
    const QDate hoy = QDate::currentDate();
    const quint32 fecha = quint32(((hoy.year() - 1980) << 9) | (hoy.month() << 5) | hoy.day());
    for (const auto& e : entradas) {
        const QByteArray nombre = e.first.toUtf8();
        const quint32 crc = crc32(e.second);
        const quint32 desplazamiento = quint32(z.size());
        u32(z, 0x04034b50);
        u16(z, 20);
        u16(z, 0x0800);  // names in UTF-8
        u16(z, 0);       // stored
        u16(z, 0);
        u16(z, fecha);
        u32(z, crc);
        u32(z, quint32(e.second.size()));
        u32(z, quint32(e.second.size()));
        u16(z, quint32(nombre.size()));
        u16(z, 0);
        z += nombre;
        z += e.second;

        u32(central, 0x02014b50);
        u16(central, 20);
        u16(central, 20);
        u16(central, 0x0800);
        u16(central, 0);
        u16(central, 0);
        u16(central, fecha);
        u32(central, crc);
        u32(central, quint32(e.second.size()));
        u32(central, quint32(e.second.size()));
        u16(central, quint32(nombre.size()));
        u16(central, 0);
        u16(central, 0);
        u16(central, 0);
        u16(central, 0);
        u32(central, 0);
        u32(central, desplazamiento);
        central += nombre;
    }
    const quint32 inicioCentral = quint32(z.size());
    z += central;
    u32(z, 0x06054b50);
    u16(z, 0);
    u16(z, 0);
    u16(z, quint32(entradas.size()));
    u16(z, quint32(entradas.size()));
    u32(z, quint32(central.size()));
    u32(z, inicioCentral);
    u16(z, 0);
    return z;
}

QString nombreHoja(int i) {
    return QString::fromUtf8("Página %1").arg(i + 1);
}

QString columnaExcel(int c) {
    QString r;
    for (++c; c > 0; c = (c - 1) / 26) r.prepend(QChar('A' + (c - 1) % 26));
    return r;
}

}  // namespace

QByteArray gif(const QImage& origen) {
    QImage img = origen.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVector<QRgb> paleta = img.colorTable();
    paleta.resize(256);
    QByteArray b = "GIF89a";
    u16(b, quint32(img.width()));
    u16(b, quint32(img.height()));
    b += char(0xF7);  // a global table of 256 colours
    b += char(0);
    b += char(0);
    for (QRgb c : paleta) {
        b += char(qRed(c));
        b += char(qGreen(c));
        b += char(qBlue(c));
    }
    b += char(0x2C);
    u16(b, 0);
    u16(b, 0);
    u16(b, quint32(img.width()));
    u16(b, quint32(img.height()));
    b += char(0);
    b += char(8);  // minimum code size
    QByteArray datos = lzw(img);
    for (int i = 0; i < datos.size(); i += 255) {
        QByteArray bloque = datos.mid(i, 255);
        b += char(bloque.size());
        b += bloque;
    }
    b += char(0);
    b += char(0x3B);
    return b;
}

QByteArray ods(const QList<QList<QStringList>>& hojas) {
    QByteArray contenido;
    QXmlStreamWriter x(&contenido);
    x.writeStartDocument();
    const QString office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
    const QString table = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
    const QString text = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
    x.writeNamespace(office, "office");
    x.writeNamespace(table, "table");
    x.writeNamespace(text, "text");
    x.writeStartElement(office, "document-content");
    x.writeAttribute(office, "version", "1.2");
    x.writeStartElement(office, "body");
    x.writeStartElement(office, "spreadsheet");
    for (int h = 0; h < hojas.size(); ++h) {
        x.writeStartElement(table, "table");
        x.writeAttribute(table, "name", nombreHoja(h));
        for (const QStringList& fila : hojas.at(h)) {
            x.writeStartElement(table, "table-row");
            for (const QString& celda : fila) {
                x.writeStartElement(table, "table-cell");
                x.writeAttribute(office, "value-type", "string");
                x.writeTextElement(text, "p", celda);
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndDocument();
    const QByteArray manifiesto =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
        "manifest:version=\"1.2\">\n"
        " <manifest:file-entry manifest:full-path=\"/\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
        " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
        "</manifest:manifest>\n";
    return zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                {"content.xml", contenido},
                {"META-INF/manifest.xml", manifiesto}});
}

QByteArray xlsx(const QList<QList<QStringList>>& hojas) {
    QList<QPair<QString, QByteArray>> e;
    QByteArray tipos =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    QByteArray libro =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>";
    QByteArray relLibro =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    QList<QPair<QString, QByteArray>> hojasXml;
    for (int h = 0; h < std::max<qsizetype>(1, hojas.size()); ++h) {
        const QByteArray n = QByteArray::number(h + 1);
        tipos +=
            "<Override PartName=\"/xl/worksheets/sheet" + n +
            ".xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        libro += "<sheet name=\"" + nombreHoja(h).toHtmlEscaped().toUtf8() + "\" sheetId=\"" + n +
                 "\" r:id=\"rId" + n + "\"/>";
        relLibro +=
            "<Relationship Id=\"rId" + n +
            "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
            "Target=\"worksheets/sheet" +
            n + ".xml\"/>";
        QByteArray hoja;
        QXmlStreamWriter x(&hoja);
        x.writeStartDocument();
        x.writeStartElement("worksheet");
        x.writeDefaultNamespace("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
        x.writeStartElement("sheetData");
        const QList<QStringList> filas = h < hojas.size() ? hojas.at(h) : QList<QStringList>();
        for (int f = 0; f < filas.size(); ++f) {
            x.writeStartElement("row");
            x.writeAttribute("r", QString::number(f + 1));
            for (int c = 0; c < filas.at(f).size(); ++c) {
                x.writeStartElement("c");
                x.writeAttribute("r", columnaExcel(c) + QString::number(f + 1));
                x.writeAttribute("t", "inlineStr");
                x.writeStartElement("is");
                x.writeTextElement("t", filas.at(f).at(c));
                x.writeEndElement();
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndDocument();
        hojasXml << qMakePair("xl/worksheets/sheet" + QString::fromLatin1(n) + ".xml", hoja);
    }
    tipos += "</Types>";
    libro += "</sheets></workbook>";
    relLibro += "</Relationships>";
    e << qMakePair(QString("[Content_Types].xml"), tipos);
    e << qMakePair(
        QString("_rels/.rels"),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                   "<Relationship Id=\"rId1\" "
                   "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                   "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"));
    e << qMakePair(QString("xl/workbook.xml"), libro);
    e << qMakePair(QString("xl/_rels/workbook.xml.rels"), relLibro);
    e << hojasXml;
    return zip(e);
}

QByteArray dbf(const QList<QStringList>& filas) {
    int columnas = 1;
    for (const QStringList& f : filas) columnas = std::max(columnas, int(f.size()));
    columnas = std::min(columnas, 128);
    std::vector<int> ancho(columnas, 1);
    for (const QStringList& f : filas)
        for (int c = 0; c < std::min(columnas, int(f.size())); ++c)
            ancho[c] = std::min(254, std::max(ancho[c], int(f.at(c).toLatin1().size())));
    int largoRegistro = 1;
    for (int a : ancho) largoRegistro += a;

    QByteArray b;
    const QDate hoy = QDate::currentDate();
    b += char(0x03);
    b += char(hoy.year() - 1900);
    b += char(hoy.month());
    b += char(hoy.day());
    u32(b, quint32(filas.size()));
    u16(b, quint32(32 + 32 * columnas + 1));
    u16(b, quint32(largoRegistro));
    QByteArray reservado(20, '\0');
    reservado[17] = char(0x03);  // Windows ANSI
    b += reservado;
    for (int c = 0; c < columnas; ++c) {
        QByteArray nombre = "CAMPO" + QByteArray::number(c + 1);
        nombre.resize(11, '\0');
        b += nombre;
        b += 'C';
        b += QByteArray(4, '\0');
        b += char(ancho[c]);
        b += char(0);
        b += QByteArray(14, '\0');
    }
    b += char(0x0D);
    for (const QStringList& f : filas) {
        b += ' ';
        for (int c = 0; c < columnas; ++c) {
            QByteArray v = c < f.size() ? f.at(c).toLatin1().left(ancho[c]) : QByteArray();
            b += v + QByteArray(ancho[c] - v.size(), ' ');
        }
    }
    b += char(0x1A);
    return b;
}

}  // namespace rpt::archivos
