#include "tools/DemoDatos.h"

namespace demo::datos_fijos {

#define N(a) int(sizeof(a) / sizeof(a[0]))

namespace {
const Modelo kNissan[] = {{"TSURU", 1992, 2017},  {"SENTRA", 2000, 2019}, {"TIIDA", 2007, 2018},
                          {"MARCH", 2011, 2024},  {"VERSA", 2012, 2024},  {"NP300", 2008, 2024},
                          {"X-TRAIL", 2002, 2022}};
const Modelo kChevrolet[] = {{"AVEO", 2008, 2024},     {"CHEVY", 1994, 2012}, {"SPARK", 2011, 2022},
                             {"BEAT", 2018, 2021},     {"CRUZE", 2010, 2019}, {"SONIC", 2012, 2017},
                             {"SILVERADO", 1999, 2024}};
const Modelo kVolkswagen[] = {{"JETTA", 1999, 2024}, {"VOCHO", 1980, 2003}, {"POINTER", 1998, 2010},
                              {"GOL", 2008, 2023},   {"VENTO", 2014, 2024}, {"POLO", 2003, 2022},
                              {"GOLF", 1999, 2021}};
const Modelo kFord[] = {{"FIESTA", 2003, 2019}, {"FOCUS", 2000, 2018},    {"RANGER", 1998, 2024},
                        {"F-150", 1997, 2024},  {"ECOSPORT", 2004, 2022}, {"IKON", 2001, 2008}};
const Modelo kToyota[] = {{"COROLLA", 1998, 2024}, {"YARIS", 2006, 2024}, {"HILUX", 2005, 2024},
                          {"CAMRY", 2002, 2024},   {"RAV4", 2001, 2024},  {"AVANZA", 2008, 2024}};
const Modelo kHonda[] = {{"CIVIC", 1996, 2024},
                         {"ACCORD", 1998, 2022},
                         {"CR-V", 1997, 2024},
                         {"FIT", 2007, 2020},
                         {"CITY", 2009, 2024}};
const Modelo kDodge[] = {{"ATTITUDE", 2006, 2024},
                         {"NEON", 2000, 2019},
                         {"RAM 1500", 1994, 2024},
                         {"JOURNEY", 2009, 2020},
                         {"STRATUS", 1995, 2006}};
const Modelo kRenault[] = {{"CLIO", 2002, 2011},    {"MEGANE", 2002, 2015}, {"LOGAN", 2015, 2024},
                           {"SANDERO", 2009, 2024}, {"DUSTER", 2013, 2024}, {"KWID", 2019, 2024}};
const Modelo kSeat[] = {
    {"IBIZA", 2002, 2023}, {"LEON", 2000, 2022}, {"CORDOBA", 2000, 2009}, {"TOLEDO", 2000, 2014}};
const Modelo kKia[] = {
    {"RIO", 2011, 2024}, {"FORTE", 2014, 2024}, {"SOUL", 2012, 2024}, {"SPORTAGE", 2011, 2024}};
const Modelo kMazda[] = {
    {"MAZDA 3", 2004, 2024}, {"MAZDA 2", 2011, 2024}, {"CX-5", 2013, 2024}, {"MAZDA 6", 2003, 2021}};
const Modelo kMitsubishi[] = {
    {"LANCER", 2002, 2017}, {"L200", 2008, 2024}, {"OUTLANDER", 2003, 2024}, {"MIRAGE", 2014, 2024}};
const Modelo kVarios[] = {{"VARIOS", 1990, 2026}};

const Plantilla kBalatas[] = {{"BALATA DELANTERA CERAMICA", "JGO", 7, 0},
                              {"BALATA DELANTERA SEMIMETALICA", "JGO", 7, 0},
                              {"BALATA TRASERA ORGANICA", "JGO", 5, 0},
                              {"ZAPATA DE FRENO TRASERA", "JGO", 4, 260}};
const Plantilla kDiscos[] = {{"DISCO DE FRENO DELANTERO", "PZA", 5, 0},
                             {"DISCO DE FRENO VENTILADO", "PZA", 4, 0},
                             {"TAMBOR DE FRENO TRASERO", "PZA", 3, 0}};
const Plantilla kFiltrosAceite[] = {{"FILTRO DE ACEITE", "PZA", 10, 0},
                                    {"FILTRO DE ACEITE ALTO RENDIMIENTO", "PZA", 5, 0},
                                    {"FILTRO DE ACEITE CARTUCHO", "PZA", 4, 0}};
const Plantilla kFiltrosAire[] = {{"FILTRO DE AIRE", "PZA", 9, 0}, {"FILTRO DE AIRE DE CABINA", "PZA", 6, 0}};
const Plantilla kFiltrosGasolina[] = {{"FILTRO DE GASOLINA", "PZA", 5, 0},
                                      {"FILTRO DE GASOLINA CON REGULADOR", "PZA", 2, 0}};
const Plantilla kBujias[] = {{"BUJIA COBRE", "PZA", 6, 0},
                             {"BUJIA PLATINO", "PZA", 5, 0},
                             {"BUJIA IRIDIUM", "PZA", 6, 0},
                             {"BUJIA DOBLE PLATINO", "PZA", 4, 0}};
const Plantilla kAmortiguadores[] = {{"AMORTIGUADOR DELANTERO DERECHO", "PZA", 5, 0},
                                     {"AMORTIGUADOR DELANTERO IZQUIERDO", "PZA", 5, 0},
                                     {"AMORTIGUADOR TRASERO GAS", "PZA", 5, 0}};
const Plantilla kBombasAgua[] = {{"BOMBA DE AGUA", "PZA", 7, 0}, {"BOMBA DE AGUA CON EMPAQUE", "PZA", 3, 0}};
const Plantilla kBandas[] = {{"BANDA DE DISTRIBUCION", "PZA", 6, 280},
                             {"BANDA DE ACCESORIOS", "PZA", 5, 160},
                             {"BANDA POLY V", "PZA", 4, 190},
                             {"KIT DE DISTRIBUCION", "KIT", 4, 1250}};
const Plantilla kClutch[] = {{"KIT DE CLUTCH", "KIT", 6, 2400},
                             {"COLLARIN DE CLUTCH", "PZA", 4, 380},
                             {"DISCO DE CLUTCH", "PZA", 3, 1100}};
const Plantilla kRetenes[] = {{"RETEN DE CIGUEÑAL DELANTERO", "PZA", 4, 0},
                              {"RETEN DE CIGUEÑAL TRASERO", "PZA", 3, 0},
                              {"RETEN DE FLECHA", "PZA", 3, 0},
                              {"RETEN DE ARBOL DE LEVAS", "PZA", 2, 0}};
const Plantilla kTermostatos[] = {{"TERMOSTATO", "PZA", 6, 0}, {"TERMOSTATO CON CARCASA", "PZA", 3, 0}};
const Plantilla kSensores[] = {{"SENSOR DE OXIGENO", "PZA", 5, 0},
                               {"SENSOR DE POSICION DE CIGUEÑAL", "PZA", 4, 0},
                               {"SENSOR MAP", "PZA", 4, 0},
                               {"SENSOR DE TEMPERATURA", "PZA", 4, 0},
                               {"SENSOR TPS", "PZA", 3, 0}};
const Plantilla kRotulas[] = {{"ROTULA INFERIOR", "PZA", 5, 0},
                              {"ROTULA SUPERIOR", "PZA", 3, 0},
                              {"TERMINAL DE DIRECCION EXTERIOR", "PZA", 5, 0},
                              {"TERMINAL DE DIRECCION INTERIOR", "PZA", 4, 0}};
const Plantilla kHorquillas[] = {{"HORQUILLA INFERIOR DERECHA", "PZA", 4, 0},
                                 {"HORQUILLA INFERIOR IZQUIERDA", "PZA", 4, 0},
                                 {"BUJE DE HORQUILLA", "PZA", 3, 95}};
const Plantilla kBobinas[] = {{"BOBINA DE ENCENDIDO", "PZA", 6, 900},
                              {"BOBINA INDIVIDUAL", "PZA", 4, 520},
                              {"CABLES DE BUJIA", "JGO", 5, 380}};
const Plantilla kEmpaques[] = {{"EMPAQUE DE CABEZA", "PZA", 5, 420},
                               {"JUEGO DE EMPAQUES COMPLETO", "JGO", 3, 1100},
                               {"EMPAQUE DE TAPA DE PUNTERIAS", "PZA", 3, 120},
                               {"EMPAQUE DE CARTER", "PZA", 3, 95}};
const Plantilla kBombasGasolina[] = {{"BOMBA DE GASOLINA ELECTRICA", "PZA", 4, 0},
                                     {"PASTILLA DE BOMBA DE GASOLINA", "PZA", 3, 520}};
const Plantilla kMangueras[] = {{"MANGUERA SUPERIOR DE RADIADOR", "PZA", 3, 0},
                                {"MANGUERA INFERIOR DE RADIADOR", "PZA", 3, 0}};
const Plantilla kAceites[] = {{"ACEITE MOTOR 5W-30 SINTETICO 946 ML", "LT", 0, 148},
                              {"ACEITE MOTOR 20W-50 MULTIGRADO 946 ML", "LT", 0, 96},
                              {"ACEITE MOTOR 10W-30 SEMISINTETICO 946 ML", "LT", 0, 118},
                              {"ACEITE MOTOR 5W-20 SINTETICO 4.73 L", "GAL", 0, 640},
                              {"ACEITE MOTOR 15W-40 DIESEL 4 L", "GAL", 0, 455},
                              {"ACEITE TRANSMISION AUTOMATICA ATF 946 ML", "LT", 0, 132},
                              {"ACEITE DE DIRECCION HIDRAULICA 473 ML", "PZA", 0, 78},
                              {"LIQUIDO DE FRENOS DOT 3 350 ML", "PZA", 0, 58},
                              {"LIQUIDO DE FRENOS DOT 4 500 ML", "PZA", 0, 92}};
const Plantilla kAnticongelantes[] = {{"ANTICONGELANTE VERDE 50/50 3.78 L", "GAL", 0, 165},
                                      {"ANTICONGELANTE ROSA LARGA DURACION 3.78 L", "GAL", 0, 212},
                                      {"ANTICONGELANTE CONCENTRADO 1 L", "LT", 0, 95},
                                      {"REFRIGERANTE AMARILLO 3.78 L", "GAL", 0, 178}};
const Plantilla kFocos[] = {{"FOCO H4 HALOGENO", "PZA", 0, 48},  {"FOCO H7 HALOGENO", "PZA", 0, 62},
                            {"FOCO H11 HALOGENO", "PZA", 0, 70}, {"FOCO 9005", "PZA", 0, 55},
                            {"FOCO 9006", "PZA", 0, 55},         {"FOCO 1157 DOS POLOS", "PAR", 0, 28},
                            {"FOCO T10 LED", "PAR", 0, 45},      {"FOCO LED H4", "PAR", 0, 380}};
}  // namespace

const Marca kMarcas[] = {
    {"NISSAN", kNissan, N(kNissan)},
    {"CHEVROLET", kChevrolet, N(kChevrolet)},
    {"VOLKSWAGEN", kVolkswagen, N(kVolkswagen)},
    {"FORD", kFord, N(kFord)},
    {"TOYOTA", kToyota, N(kToyota)},
    {"HONDA", kHonda, N(kHonda)},
    {"DODGE", kDodge, N(kDodge)},
    {"RENAULT", kRenault, N(kRenault)},
    {"SEAT", kSeat, N(kSeat)},
    {"KIA", kKia, N(kKia)},
    {"MAZDA", kMazda, N(kMazda)},
    {"MITSUBISHI", kMitsubishi, N(kMitsubishi)},
};
const int kNumMarcas = N(kMarcas);
const Marca kUniversal = {"UNIVERSAL", kVarios, N(kVarios)};

const Familia kFamilias[] = {
    {"BALATAS", 35, "BAL", 160, 620, 0, "A", 1, kBalatas, N(kBalatas)},
    {"DISCOS Y TAMBORES", 30, "DFR", 380, 1500, 0, "A", 1, kDiscos, N(kDiscos)},
    {"FILTROS DE ACEITE", 40, "FAC", 45, 160, 0, "B", 2, kFiltrosAceite, N(kFiltrosAceite)},
    {"FILTROS DE AIRE", 40, "FAI", 90, 320, 0, "B", 2, kFiltrosAire, N(kFiltrosAire)},
    {"FILTROS DE GASOLINA", 40, "FGA", 60, 260, 0, "B", 2, kFiltrosGasolina, N(kFiltrosGasolina)},
    {"BUJIAS", 40, "BUJ", 35, 210, 10, "C", 1, kBujias, N(kBujias)},
    {"AMORTIGUADORES", 30, "AMO", 450, 1400, 0, "D", 1, kAmortiguadores, N(kAmortiguadores)},
    {"BOMBAS DE AGUA", 30, "BDA", 380, 1300, 0, "E", 1, kBombasAgua, N(kBombasAgua)},
    {"BANDAS", 35, "BAN", 110, 900, 0, "E", 2, kBandas, N(kBandas)},
    {"CLUTCH", 25, "CLU", 1300, 4200, 20, "D", 1, kClutch, N(kClutch)},
    {"RETENES", 45, "RET", 25, 180, 0, "C", 2, kRetenes, N(kRetenes)},
    {"TERMOSTATOS", 35, "TER", 120, 460, 0, "E", 2, kTermostatos, N(kTermostatos)},
    {"SENSORES", 30, "SEN", 250, 1500, 70, "C", 1, kSensores, N(kSensores)},
    {"RÓTULAS", 35, "ROT", 150, 520, 0, "D", 1, kRotulas, N(kRotulas)},
    {"HORQUILLAS", 30, "HOR", 450, 1600, 0, "D", 1, kHorquillas, N(kHorquillas)},
    {"BOBINAS", 30, "BOB", 380, 1800, 30, "C", 1, kBobinas, N(kBobinas)},
    {"EMPAQUES", 40, "EMP", 60, 950, 0, "E", 2, kEmpaques, N(kEmpaques)},
    {"BOMBAS DE GASOLINA", 30, "BGA", 550, 2400, 50, "E", 1, kBombasGasolina, N(kBombasGasolina)},
    {"MANGUERAS", 40, "MAN", 90, 420, 0, "E", 2, kMangueras, N(kMangueras)},
    {"ACEITES", 25, "ACE", 0, 0, 0, "F", 2, kAceites, N(kAceites)},
    {"ANTICONGELANTES", 30, "ANT", 0, 0, 0, "F", 2, kAnticongelantes, N(kAnticongelantes)},
    {"FOCOS", 45, "FOC", 0, 0, 0, "F", 2, kFocos, N(kFocos)},
};
const int kNumFamilias = N(kFamilias);

const Cliente kClientes[] = {
    {"TALLER MECANICO HERMANOS RAMIREZ", "JOSE LUIS RAMIREZ HERNANDEZ", "RAHL750304AB1", "AV. INDEPENDENCIA",
     "1520", "SAN MIGUEL", "37390", "LEON", "GUANAJUATO", "477 714 2290", "taller.ramirez@correo.example",
     "JOSE LUIS RAMIREZ", "477 205 1183", 1, 10, true, 15000, 30, false},
    {"JUAN CARLOS MENDOZA LOPEZ", "JUAN CARLOS MENDOZA LOPEZ", "MELJ880917QW4", "CALLE HIDALGO", "45",
     "CENTRO", "37000", "LEON", "GUANAJUATO", "477 716 0451", "jc.mendoza@correo.example", "", "477 390 7712",
     1, 5, false, 0, 0, false},
    {"AUTOSERVICIO EL GUERO", "SERVICIOS AUTOMOTRICES GUERRERO, S.A. DE C.V.", "SAG0309225N8",
     "BLVD. TIMOTEO LOZANO", "3310", "LAS JOYAS", "37358", "LEON", "GUANAJUATO", "477 761 3301",
     "elguero@correo.example", "ARMANDO GUERRERO", "477 129 4460", 2, 20, true, 20000, 15, false},
    {"TRANSPORTES DEL VALLE", "TRANSPORTES DEL VALLE DE SANTIAGO, S.A. DE C.V.", "TVS9811047J2",
     "CARRETERA LEON-SILAO KM 7", "S/N", "FRACC. INDUSTRIAL", "37490", "LEON", "GUANAJUATO", "477 152 8800",
     "compras@tvalle.example", "LIC. MARTHA SOLIS", "477 388 2015", 2, 15, true, 30000, 15, true},
    {"TALLER ELECTRICO LA CHISPA", "RAUL ESPINOZA CASTRO", "EICR690512HL7", "CALLE MADERO", "812", "OBREGON",
     "37320", "LEON", "GUANAJUATO", "477 713 6524", "lachispa@correo.example", "RAUL ESPINOZA",
     "477 441 0937", 3, 0, true, 5000, 30, false},
    {"REFACCIONES Y SERVICIO MORALES", "ALEJANDRA MORALES PEÑA", "MOPA810223UT5", "AV. GUANAJUATO", "204",
     "SAN JUAN DE DIOS", "37004", "LEON", "GUANAJUATO", "477 717 9982", "ale.morales@correo.example",
     "ALEJANDRA MORALES", "477 301 5569", 3, 0, false, 0, 0, false},
    {"CLINICA AUTOMOTRIZ SAN JOSE", "CLINICA AUTOMOTRIZ SAN JOSE DE LEON, S. DE R.L. DE C.V.", "CAS120607K33",
     "BLVD. JOSE MARIA MORELOS", "2105", "SAN JOSE DEL CONSUELO", "37200", "LEON", "GUANAJUATO",
     "477 770 4412", "contacto@clinicasanjose.example", "ING. FERNANDO AGUILAR", "477 102 6658", 3, 0, true,
     20000, 30, false},
    {"MARIA FERNANDA TORRES GUZMAN", "MARIA FERNANDA TORRES GUZMAN", "TOGF920730MX2", "CALLE ALDAMA", "317",
     "CENTRO", "37000", "LEON", "GUANAJUATO", "477 712 3038", "mf.torres@correo.example", "", "477 224 8190",
     1, 0, false, 0, 0, false},
};
const int kNumClientes = N(kClientes);

const Proveedor kProveedores[] = {
    {"AUTOPARTES DEL BAJIO", "DISTRIBUIDORA DE AUTOPARTES DEL BAJIO, S.A. DE C.V.", "DAB980512KT3",
     "BLVD. ADOLFO LOPEZ MATEOS 2451, COL. JARDINES DEL MORAL", "LEON, GTO.", "37160", "477 771 2040",
     "ING. ROBERTO SALGADO", "477 118 5520", "ventas@autopartesbajio.example", 30, "BBVA", "012225",
     "01948372651"},
    {"LUBRICANTES Y REFACCIONES DEL NORTE", "REFACCIONES Y LUBRICANTES DEL NORTE, S. DE R.L. DE C.V.",
     "RLN0502179B6", "AV. RUIZ CORTINES 1180 PTE., COL. MITRAS CENTRO", "MONTERREY, N.L.", "64460",
     "81 8333 4120", "LIC. SANDRA VILLARREAL", "81 1620 3394", "pedidos@lubrinorte.example", 15, "BANORTE",
     "072580", "00412987330"},
};
const int kNumProveedores = N(kProveedores);

#undef N
}  // namespace demo::datos_fijos
