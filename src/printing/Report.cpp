#include "printing/Report.h"

#include <QSqlRecord>
#include <algorithm>

#include "db/Sql.h"
#include "printing/Motor.h"

namespace rpt {

// --- data ---------------------------------------------------------------------------

DataSet DataSet::desdeConsulta(db::Consulta& q) {
    DataSet d;
    QSqlRecord r = q.registro();
    for (int i = 0; i < r.count(); ++i) d.columnas << r.fieldName(i);
    if (q.vacia()) return d;
    int actual = q.fila();
    if (q.primero()) {
        do {
            QVariantList fila;
            QSqlRecord rec = q.query().record();
            for (int i = 0; i < rec.count(); ++i) fila << rec.value(i);
            d.filas << fila;
        } while (q.siguiente());
    }
    if (actual >= 0) q.irA(actual);
    return d;
}

DataSet DataSet::desdeSql(const QString& sql, const QVariantMap& params) {
    db::Consulta q(sql);
    for (auto it = params.begin(); it != params.end(); ++it) q.bind(it.key(), it.value());
    q.abrir();
    return desdeConsulta(q);
}

int DataSet::indice(const QString& columna) const {
    for (int i = 0; i < columnas.size(); ++i)
        if (columnas.at(i).compare(columna, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant DataSet::valor(int fila, const QString& columna) const {
    int c = indice(columna);
    if (c < 0 || fila < 0 || fila >= filas.size() || c >= filas.at(fila).size()) return QVariant();
    return filas.at(fila).at(c);
}

// --- expression context ---------------------------------------------------------------

struct Contexto::Estado {
    const Trabajo* trabajo = nullptr;
    const DataSet* principal = nullptr;
    int fila = -1;
    int desde = 0, hasta = 0;  // rows summed by suma(): [desde, hasta)
    int pagina = 1;
    int paginas = 0;
};

QVariant Contexto::campo(const QString& columna) const {
    if (!estado || !estado->principal) return QVariant();
    return estado->principal->valor(estado->fila, columna);
}

QVariant Contexto::campo(const QString& dataset, const QString& columna) const {
    if (!estado || !estado->trabajo) return QVariant();
    for (auto it = estado->trabajo->datos.begin(); it != estado->trabajo->datos.end(); ++it)
        if (it.key().compare(dataset, Qt::CaseInsensitive) == 0) return it.value().valor(0, columna);
    return QVariant();
}

QString Contexto::param(const QString& nombre) const {
    if (!estado || !estado->trabajo) return QString();
    const auto& p = estado->trabajo->parametros;
    for (auto it = p.begin(); it != p.end(); ++it)
        if (it.key().compare(nombre, Qt::CaseInsensitive) == 0) return it.value();
    return QString();
}

double Contexto::suma(const QString& columna) const {
    if (!estado || !estado->principal) return 0;
    double s = 0;
    for (int r = estado->desde; r < estado->hasta; ++r) s += estado->principal->valor(r, columna).toDouble();
    return s;
}

double Contexto::suma(const std::function<double(const Contexto&)>& porFila) const {
    if (!estado || !estado->principal || !porFila) return 0;
    double s = 0;
    Estado e = *estado;
    Contexto c;
    c.estado = &e;
    for (int r = estado->desde; r < estado->hasta; ++r) {
        e.fila = r;
        s += porFila(c);
    }
    return s;
}

int Contexto::pagina() const {
    return estado ? estado->pagina : 1;
}
int Contexto::paginas() const {
    return estado ? estado->paginas : 1;
}
int Contexto::fila() const {
    return estado ? estado->fila : -1;
}

// --- layout builders ------------------------------------------------------------------

namespace {
Elemento elemento(Elemento::Tipo tipo, double x, double y, double w, double h, const Expr& e,
                  const Estilo& s = {}) {
    Elemento el;
    el.tipo = tipo;
    el.rect = QRectF(x, y, w, h);
    el.valor = e;
    el.estilo = s;
    return el;
}
}  // namespace

Banda& Banda::texto(double x, double y, double w, double h, const Expr& e, const Estilo& s) {
    elementos << elemento(Elemento::Texto, x, y, w, h, e, s);
    return *this;
}
Banda& Banda::texto(double x, double y, double w, double h, const QString& fijo, const Estilo& s) {
    return texto(x, y, w, h, Expr([fijo](const Contexto&) { return fijo; }), s);
}
Banda& Banda::campo(double x, double y, double w, double h, const QString& columna, const Estilo& s) {
    return texto(x, y, w, h, Expr([columna](const Contexto& c) { return c.texto(columna); }), s);
}
Banda& Banda::linea(double x1, double y1, double x2, double y2) {
    Elemento el;
    el.tipo = Elemento::Linea;
    el.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    elementos << el;
    return *this;
}
Banda& Banda::rectangulo(double x, double y, double w, double h) {
    elementos << elemento(Elemento::Rectangulo, x, y, w, h, {});
    return *this;
}
Banda& Banda::imagen(double x, double y, double w, double h, const Expr& ruta) {
    elementos << elemento(Elemento::Imagen, x, y, w, h, ruta);
    return *this;
}
Banda& Banda::barras39(double x, double y, double w, double h, const Expr& codigo) {
    elementos << elemento(Elemento::Barras39, x, y, w, h, codigo);
    return *this;
}
Banda& Banda::logo(double x, double y, double w, double h) {
    elementos << elemento(Elemento::Logo, x, y, w, h, {});
    return *this;
}

Pagina Pagina::ticket(double altoPulgadas) {
    Pagina p;
    p.tamano = QSizeF(3 * 25.4, altoPulgadas * 25.4);
    p.margenes = QMarginsF(3, 3, 3, 3);
    p.rollo = true;
    return p;
}
Pagina Pagina::carta() {
    return Pagina();
}
Pagina Pagina::cartaHorizontal() {
    Pagina p;
    p.tamano = QSizeF(279.4, 215.9);
    return p;
}
Pagina Pagina::etiquetas30() {
    // 30 labels of 1 inch high in three columns; half an inch of paper above and below.
    Pagina p;
    p.margenes = QMarginsF(4.8, 12.7, 4.8, 12.7);
    p.columnas = 3;
    return p;
}

Banda& Layout::banda(TipoBanda tipo, double alto, const QString& grupo) {
    Banda b;
    b.tipo = tipo;
    b.alto = alto;
    b.grupo = grupo;
    bandas << b;
    return bandas.last();
}

// --- page model -----------------------------------------------------------------------

namespace {
void textosDe(const BandaImpresa& b, QStringList& r) {
    for (const ItemImpreso& i : b.items)
        if (i.tipo == Elemento::Texto) r << i.texto;
}
}  // namespace

QStringList PaginaImpresa::textos() const {
    QStringList r;
    for (const BandaImpresa& b : bandas) textosDe(b, r);
    return r;
}
QStringList Documento::textos() const {
    QStringList r;
    for (const PaginaImpresa& p : paginas) r << p.textos();
    return r;
}
QStringList Documento::textos(TipoBanda tipo) const {
    QStringList r;
    for (const PaginaImpresa& p : paginas)
        for (const BandaImpresa& b : p.bandas)
            if (b.tipo == tipo) textosDe(b, r);
    return r;
}
QString Documento::texto() const {
    return textos().join("\n");
}

// --- composition ----------------------------------------------------------------------

namespace {

class Compositor {
  public:
    Compositor(const Trabajo& t, int totalPaginas) : t_(t), L_(t.layout), pg_(t.layout.pagina) {
        total_ = totalPaginas;
        if (!L_.datos.isEmpty()) {
            for (auto it = t.datos.begin(); it != t.datos.end(); ++it)
                if (it.key().compare(L_.datos, Qt::CaseInsensitive) == 0) ds_ = &it.value();
            if (!ds_) ds_ = &vacio_;
        }
        for (const Banda& b : L_.bandas) {
            if ((b.tipo == TipoBanda::EncabezadoGrupo || b.tipo == TipoBanda::PieGrupo) &&
                !b.grupo.isEmpty() && !niveles_.contains(b.grupo, Qt::CaseInsensitive))
                niveles_ << b.grupo;
            if (b.tipo == TipoBanda::PiePagina) altoPie_ += b.alto;
        }
        columnas_ = std::max(1, pg_.columnas);
    }

    Documento componer() {
        doc_.layout = L_.nombre;
        doc_.copias = t_.copias;
        int n = ds_ ? ds_->size() : 0;

        Contexto::Estado e = estadoBase();
        e.fila = n > 0 ? 0 : -1;
        nuevaPagina(e, true);

        if (!ds_) {
            colocarTodas(TipoBanda::Detalle, QString(), e);
        } else {
            std::vector<int> inicio(niveles_.size(), 0);
            for (int r = 0; r < n; ++r) {
                int desde = int(niveles_.size());  // first level that changes at this row
                if (r == 0) {
                    desde = 0;
                } else {
                    for (int k = 0; k < niveles_.size(); ++k)
                        if (clave(r, k) != clave(r - 1, k)) {
                            desde = k;
                            break;
                        }
                    for (int k = int(niveles_.size()) - 1; k >= desde; --k) cerrarGrupo(k, inicio[k], r);
                }
                for (int k = desde; k < niveles_.size(); ++k) {
                    inicio[k] = r;
                    abrirGrupo(k, r);
                }
                Contexto::Estado d = estadoBase();
                d.fila = r;
                ultimaFila_ = r;
                colocarTodas(TipoBanda::Detalle, QString(), d);
            }
            if (n > 0)
                for (int k = int(niveles_.size()) - 1; k >= 0; --k) cerrarGrupo(k, inicio[k], n);
        }

        Contexto::Estado s = estadoBase();
        s.fila = n > 0 ? n - 1 : -1;
        colocarTodas(TipoBanda::Resumen, QString(), s);
        cerrarPagina();
        return doc_;
    }

  private:
    Contexto::Estado estadoBase() const {
        Contexto::Estado e;
        e.trabajo = &t_;
        e.principal = ds_;
        e.desde = 0;
        e.hasta = ds_ ? ds_->size() : 0;
        e.pagina = int(doc_.paginas.size());
        e.paginas = total_ > 0 ? total_ : std::max<int>(1, int(doc_.paginas.size()));
        return e;
    }

    QString clave(int fila, int nivel) const { return ds_->valor(fila, niveles_.at(nivel)).toString(); }

    // The last row (exclusive) of the group of level `nivel` that starts at `fila`.
    int finDeGrupo(int nivel, int fila) const {
        int s = fila + 1;
        for (; s < ds_->size(); ++s) {
            bool igual = true;
            for (int k = 0; k <= nivel && igual; ++k) igual = clave(s, k) == clave(fila, k);
            if (!igual) break;
        }
        return s;
    }

    void abrirGrupo(int nivel, int fila) {
        Contexto::Estado e = estadoBase();
        e.fila = fila;
        e.desde = fila;
        e.hasta = finDeGrupo(nivel, fila);
        colocarTodas(TipoBanda::EncabezadoGrupo, niveles_.at(nivel), e, true);
    }

    void cerrarGrupo(int nivel, int desde, int hasta) {
        Contexto::Estado e = estadoBase();
        e.fila = hasta - 1;
        e.desde = desde;
        e.hasta = hasta;
        colocarTodas(TipoBanda::PieGrupo, niveles_.at(nivel), e);
    }

    void colocarTodas(TipoBanda tipo, const QString& grupo, const Contexto::Estado& e,
                      bool conSiguiente = false) {
        for (const Banda& b : L_.bandas) {
            if (b.tipo != tipo) continue;
            if ((tipo == TipoBanda::EncabezadoGrupo || tipo == TipoBanda::PieGrupo) &&
                b.grupo.compare(grupo, Qt::CaseInsensitive) != 0)
                continue;
            colocar(b, e, conSiguiente ? altoPrimerDetalle() : 0);
        }
    }

    double altoPrimerDetalle() const {
        for (const Banda& b : L_.bandas)
            if (b.tipo == TipoBanda::Detalle) return b.alto;
        return 0;
    }

    double anchoBanda(const Banda& b) const {
        double w = pg_.anchoUtil();
        return b.tipo == TipoBanda::Detalle && columnas_ > 1 ? w / columnas_ : w;
    }

    // Evaluates a band's elements at the band's origin; wrapped texts grow, pushing down
    // what lies below them.
    BandaImpresa evaluar(const Banda& b, const Contexto::Estado& e) const {
        Contexto c;
        c.estado = &e;
        BandaImpresa bi;
        bi.tipo = b.tipo;
        const int n = int(b.elementos.size());
        std::vector<double> crece(n, 0.0);
        std::vector<QString> valores(n);
        for (int i = 0; i < n; ++i) {
            const Elemento& el = b.elementos.at(i);
            if (el.valor) valores[i] = el.valor(c);
            if (el.tipo == Elemento::Texto && el.estilo.ajustar) {
                double h = motor::altoTexto(valores[i], el.estilo, el.rect.width());
                crece[i] = std::max(0.0, h - el.rect.height());
            }
        }
        double mayor = 0;
        for (int j = 0; j < n; ++j) {
            const Elemento& el = b.elementos.at(j);
            double baja = 0;
            QRectF rj = el.rect.normalized();
            for (int i = 0; i < n; ++i)
                if (i != j && crece[i] > 0 && b.elementos.at(i).rect.bottom() <= rj.top() + 0.01)
                    baja = std::max(baja, crece[i]);
            ItemImpreso it;
            it.tipo = el.tipo;
            it.rect = el.rect.translated(0, baja);
            if (crece[j] > 0) it.rect.setHeight(it.rect.height() + crece[j]);
            it.texto = valores[j];
            it.estilo = el.estilo;
            bi.items << it;
            if (el.tipo == Elemento::Texto) bi.textos << valores[j];
            mayor = std::max(mayor, baja + crece[j]);
        }
        bi.rect = QRectF(0, 0, anchoBanda(b), b.alto + mayor);
        return bi;
    }

    static void mover(BandaImpresa& b, double x, double y) {
        b.rect.translate(x, y);
        for (ItemImpreso& i : b.items) i.rect.translate(x, y);
    }

    double limite() const { return pg_.tamano.height() - pg_.margenes.bottom() - altoPie_; }

    void terminarRenglon() {
        if (columna_ > 0) {
            y_ += altoRenglon_;
            columna_ = 0;
            altoRenglon_ = 0;
        }
    }

    void colocar(const Banda& b, const Contexto::Estado& e0, double reservar) {
        Contexto::Estado e = e0;
        e.pagina = int(doc_.paginas.size());
        BandaImpresa bi = evaluar(b, e);
        bool enColumnas = b.tipo == TipoBanda::Detalle && columnas_ > 1;
        if (!enColumnas) terminarRenglon();
        bool inicioDeRenglon = !enColumnas || columna_ == 0;
        if (!pg_.rollo && inicioDeRenglon && !enEncabezado_ && hayContenido_ &&
            y_ + bi.rect.height() + reservar > limite() + 0.001) {
            Contexto::Estado p = e;
            nuevaPagina(p, false);
            e.pagina = int(doc_.paginas.size());
            bi = evaluar(b, e);
        }
        double x = pg_.margenes.left() + (enColumnas ? columna_ * anchoBanda(b) : 0);
        mover(bi, x, y_);
        doc_.paginas.last().bandas << bi;
        hayContenido_ = true;
        if (enColumnas) {
            altoRenglon_ = std::max(altoRenglon_, bi.rect.height());
            if (++columna_ >= columnas_) terminarRenglon();
        } else {
            y_ += bi.rect.height();
        }
    }

    void nuevaPagina(const Contexto::Estado& e, bool primera) {
        if (!primera) cerrarPagina();
        PaginaImpresa p;
        p.tamano = pg_.tamano;
        doc_.paginas << p;
        y_ = pg_.margenes.top();
        columna_ = 0;
        altoRenglon_ = 0;
        hayContenido_ = false;
        enEncabezado_ = true;  // headers never break the page they head
        if (primera) colocarTodas(TipoBanda::Titulo, QString(), e);
        bool conTitulo = hayContenido_;
        colocarTodas(TipoBanda::EncabezadoPagina, QString(), e);
        enEncabezado_ = false;
        hayContenido_ = conTitulo;  // a page holding only its headers takes any band
    }

    void cerrarPagina() {
        terminarRenglon();
        Contexto::Estado e = estadoBase();
        e.fila = ultimaFila_;
        e.pagina = int(doc_.paginas.size());
        double y = pg_.tamano.height() - pg_.margenes.bottom() - altoPie_;
        if (pg_.rollo) y = std::max(y, y_);
        PaginaImpresa& p = doc_.paginas.last();
        for (const Banda& b : L_.bandas) {
            if (b.tipo != TipoBanda::PiePagina) continue;
            BandaImpresa bi = evaluar(b, e);
            mover(bi, pg_.margenes.left(), y);
            y += bi.rect.height();
            p.bandas << bi;
        }
        // A roll is as long as what is printed on it.
        if (pg_.rollo) p.tamano.setHeight(std::max(pg_.tamano.height(), y + pg_.margenes.bottom()));
    }

    const Trabajo& t_;
    const Layout& L_;
    const Pagina& pg_;
    const DataSet* ds_ = nullptr;
    DataSet vacio_;
    QStringList niveles_;
    double altoPie_ = 0;
    int columnas_ = 1;
    int total_ = 0;
    Documento doc_;
    double y_ = 0;
    int columna_ = 0;
    double altoRenglon_ = 0;
    bool hayContenido_ = false;
    bool enEncabezado_ = false;
    int ultimaFila_ = -1;
};

}  // namespace

Documento componer(const Trabajo& t) {
    // Twice: the first pass counts the pages that footers such as "Página 1 De 3" need.
    Documento borrador = Compositor(t, 0).componer();
    return Compositor(t, int(borrador.paginas.size())).componer();
}

}  // namespace rpt
