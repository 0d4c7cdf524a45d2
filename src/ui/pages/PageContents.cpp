#include "ui/pages/PageContents.h"

#include <QtGlobal>

#include <array>

namespace quelta::ui {
namespace {

const char *const kBauds = QT_TRANSLATE_NOOP("Pages", "Velocidad (baudios)");
const char *const kEventFile = QT_TRANSLATE_NOOP("Pages", "Fichero de eventos");
const char *const kAddress = QT_TRANSLATE_NOOP("Pages", "Dirección");
const char *const kLink = QT_TRANSLATE_NOOP("Pages", "Comunicación con la central");
const char *const kPanelMessages = QT_TRANSLATE_NOOP("Pages", "Mensajes de la central");

// The page of a fire panel: its link settings on one line, its message grid beneath.
Panel firePanel(ProgPage page, const char *title, std::vector<Control> link, const char *grid)
{
    return {pagePanelName(page), title,
            {{kLink, 0, 0, 1, 1, 3, std::move(link)}, {kPanelMessages, 1, 0, 1, 1, 1, {{grid}}}}};
}

Group doorButton(int row, int column, const char *title, const char *alias, const char *opening,
                 const char *open, const char *closing, const char *grid)
{
    return {title, row, column, 1, 1, 1,
        {{alias, QT_TRANSLATE_NOOP("Pages", "Alias")}, {opening, QT_TRANSLATE_NOOP("Pages", "T. activando")},
            {open, QT_TRANSLATE_NOOP("Pages", "T. activado")}, {closing, QT_TRANSLATE_NOOP("Pages", "T. desactivando")},
            {grid}}};
}

const std::array<Panel, kProgPageCount> &pages()
{
    static const std::array<Panel, kProgPageCount> panels{{
        {pagePanelName(ProgPage::ConfigHard), nullptr,
            {{QT_TRANSLATE_NOOP("Pages", "Identificación"), 0, 0, 1, 1, 1,
                 {{"EProgEmpresa", QT_TRANSLATE_NOOP("Pages", "Empresa")},
                     {"EProgInstal", QT_TRANSLATE_NOOP("Pages", "Instalador")},
                     {"EProgRef", QT_TRANSLATE_NOOP("Pages", "Referencia")},
                     {"EProgTel", QT_TRANSLATE_NOOP("Pages", "Teléfono")},
                     {"EProgPassword", QT_TRANSLATE_NOOP("Pages", "Contraseña SMS")},
                     {"ECodiProg", QT_TRANSLATE_NOOP("Pages", "Código de programación")},
                     {"EPinSIM", QT_TRANSLATE_NOOP("Pages", "PIN de la SIM")},
                     {"ECentral", QT_TRANSLATE_NOOP("Pages", "Central"), "LCentral"},
                     {"EMAC", QT_TRANSLATE_NOOP("Pages", "Dirección MAC"), "LMac"}}},
                {QT_TRANSLATE_NOOP("Pages", "ADSL"), 0, 1, 1, 1, 1,
                    {{"CBConfigADSLDHCP", QT_TRANSLATE_NOOP("Pages", "DHCP")},
                        {"EConfigADSLIP", QT_TRANSLATE_NOOP("Pages", "Dirección IP")},
                        {"EConfigADSLSubMask", QT_TRANSLATE_NOOP("Pages", "Máscara de subred")},
                        {"EConfigADSLGateway", QT_TRANSLATE_NOOP("Pages", "Puerta de enlace")},
                        {"EConfigADSLDNS", QT_TRANSLATE_NOOP("Pages", "DNS primario")},
                        {"EConfigADSLDNS2", QT_TRANSLATE_NOOP("Pages", "DNS secundario")}}},
                // The whole width, for the longest zone names.
                {QT_TRANSLATE_NOOP("Pages", "Equipo"), 1, 0, 1, 2, 1,
                    {{"CBHora", QT_TRANSLATE_NOOP("Pages", "Zona horaria"), "LFranjaHoraria"},
                        {"CLBPartsActives", QT_TRANSLATE_NOOP("Pages", "Partes activas")}}},
                {QT_TRANSLATE_NOOP("Pages", "Operadores"), 2, 0, 1, 2, 1, {{"SGOperadores"}}}}},
        {pagePanelName(ProgPage::ConfigSoft), nullptr,
            {{QT_TRANSLATE_NOOP("Pages", "Correo electrónico"), 0, 0, 1, 1, 1,
                 {{"EEMailSMTP", QT_TRANSLATE_NOOP("Pages", "Servidor SMTP")},
                     {"EEmailPort", QT_TRANSLATE_NOOP("Pages", "Puerto")},
                     {"EEMailUser", QT_TRANSLATE_NOOP("Pages", "Usuario")},
                     {"EEMailPassword", QT_TRANSLATE_NOOP("Pages", "Contraseña")},
                     {"EEMailEnviarA", QT_TRANSLATE_NOOP("Pages", "Remitente")},
                     {"EEmailSubject", QT_TRANSLATE_NOOP("Pages", "Asunto")}}},
                {QT_TRANSLATE_NOOP("Pages", "CRA"), 0, 1, 1, 1, 3,
                    {{"EIPCra11", QT_TRANSLATE_NOOP("Pages", "IP CRA 1.1")},
                        {"EPortCRA11", QT_TRANSLATE_NOOP("Pages", "Puerto")},
                        {"EAbonatCra11", QT_TRANSLATE_NOOP("Pages", "Abonado")},
                        {"EIPCra12", QT_TRANSLATE_NOOP("Pages", "IP CRA 1.2")},
                        {"EPortCRA12", QT_TRANSLATE_NOOP("Pages", "Puerto")},
                        {"EAbonatCra12", QT_TRANSLATE_NOOP("Pages", "Abonado")},
                        {"EIPCra21", QT_TRANSLATE_NOOP("Pages", "IP CRA 2.1")},
                        {"EPortCRA21", QT_TRANSLATE_NOOP("Pages", "Puerto")},
                        {"EAbonatCra21", QT_TRANSLATE_NOOP("Pages", "Abonado")},
                        {"EIPCra22", QT_TRANSLATE_NOOP("Pages", "IP CRA 2.2")},
                        {"EPortCRA22", QT_TRANSLATE_NOOP("Pages", "Puerto")},
                        {"EAbonatCra22", QT_TRANSLATE_NOOP("Pages", "Abonado")},
                        {"EPollingCRA1", QT_TRANSLATE_NOOP("Pages", "Polling (s)")},
                        {"CBHexaCra", QT_TRANSLATE_NOOP("Pages", "Hexadecimal")},
                        {"SGCra", QT_TRANSLATE_NOOP("Pages", "Aplicación")}}},
                {QT_TRANSLATE_NOOP("Pages", "Teléfonos SMS"), 1, 0, 1, 1, 1,
                    {{"ETelSMS1", QT_TRANSLATE_NOOP("Pages", "Teléfono 1")},
                        {"ETelSMS2", QT_TRANSLATE_NOOP("Pages", "Teléfono 2")},
                        {"ETelSMS3", QT_TRANSLATE_NOOP("Pages", "Teléfono 3")},
                        {"ETelSMS4", QT_TRANSLATE_NOOP("Pages", "Teléfono 4")}}},
                {QT_TRANSLATE_NOOP("Pages", "Direcciones de correo"), 1, 1, 1, 1, 1,
                    {{"EEmail1", QT_TRANSLATE_NOOP("Pages", "E-mail 1")},
                        {"EEmail2", QT_TRANSLATE_NOOP("Pages", "E-mail 2")},
                        {"EEmail3", QT_TRANSLATE_NOOP("Pages", "E-mail 3")},
                        {"EEmail4", QT_TRANSLATE_NOOP("Pages", "E-mail 4")}}}}},
        {pagePanelName(ProgPage::Usuari), nullptr, {}},
        {pagePanelName(ProgPage::CentralAguilera), QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS AGUILERA"),
            {{kLink, 0, 0, 1, 1, 2, {{"EBaudsAgui", kBauds}, {"EImportarFitxer", kEventFile}}},
                {kPanelMessages, 1, 0, 1, 1, 1, {{"SGCentralAgui"}}},
                {QT_TRANSLATE_NOOP("Pages", "Listado de zonas"), 0, 1, 3, 1, 1, {{"SGLlistatZonesAgui"}}}},
            {3, 2}},
        {pagePanelName(ProgPage::CentralBC600), QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS BC600/216"),
            {{kLink, 0, 0, 1, 1, 2, {{"EBaudsBC600", kBauds}, {"EImportarFitxerBC600", kEventFile}}},
                {QT_TRANSLATE_NOOP("Pages", "Aplicación"), 0, 1, 1, 1, 1, {{"SGBCApp"}}},
                {kPanelMessages, 1, 0, 1, 2, 1, {{"SGCentralBC600"}}}},
            {2, 1}},
        {pagePanelName(ProgPage::Industrial), QT_TRANSLATE_NOOP("Pages", "EQUIPO INDUSTRIAL"),
            {{QT_TRANSLATE_NOOP("Pages", "Equipo"), 0, 0, 1, 1, 1, {{"SGEquipIndus"}}}}},
        {pagePanelName(ProgPage::Portes), QT_TRANSLATE_NOOP("Pages", "CONTROL DE ACCESOS"),
            {doorButton(0, 0, QT_TRANSLATE_NOOP("Pages", "Botón 1"), "EAliesB1", "ETActivantB1", "ETActivatB1",
                 "ETDesactivantB1", "SGBoto1"),
                doorButton(0, 1, QT_TRANSLATE_NOOP("Pages", "Botón 2"), "EAliesB2", "ETActivantB2", "ETActivatB2",
                    "ETDesactivantB2", "SGBoto2"),
                doorButton(1, 0, QT_TRANSLATE_NOOP("Pages", "Botón 3"), "EAliesB3", "ETActivantB3", "ETActivatB3",
                    "ETDesactivantB3", "SGBoto3"),
                doorButton(1, 1, QT_TRANSLATE_NOOP("Pages", "Botón 4"), "EAliesB4", "ETActivantB4", "ETActivatB4",
                    "ETDesactivantB4", "SGBoto4"),
                {QT_TRANSLATE_NOOP("Pages", "Teléfonos"), 0, 2, 1, 1, 1, {{"SGTelefons"}}},
                {QT_TRANSLATE_NOOP("Pages", "Usuarios"), 1, 2, 1, 1, 1, {{"SGUsuaris"}}}},
            {0, 0, 1}},
        firePanel(ProgPage::CentralCofem, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS COFEM"),
            {{"EAdrecaCofem", kAddress}, {"EBaudsCofem", kBauds}, {"EImportarFitxerCofem", kEventFile}},
            "SGCentralCofem"),
        firePanel(ProgPage::CentralUrano, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS URANO"),
            {{"EBaudsUrano", kBauds}}, "SGCentralUrano"),
        firePanel(ProgPage::CentralSyncro, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS SYNCRO"),
            {{"EBaudsSyncro", kBauds}, {"EImportarFitxerSyncro", kEventFile}}, "SGCentralSyncro"),
        firePanel(ProgPage::CentralAvenarBosch, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS BOSCH"),
            {{"EBaudsAvenarBosch", kBauds}, {"EImportarFitxerAvenarBosch", kEventFile}}, "SGCentralAvenarBosch"),
        firePanel(ProgPage::CentralAD300, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS AD300"),
            {{"EAdrAD300", kAddress}, {"EBaudsAD300", kBauds}, {"EImportarFitxerAD300", kEventFile}}, "SGCentralAD300"),
        firePanel(ProgPage::CentralSupra, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS SUPRA"),
            {{"EBaudsSupra", kBauds}, {"EImportarFitxerSupra", kEventFile}}, "SGCentralSupra"),
        firePanel(ProgPage::CentralZafir, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS COFEM ZAFIR"),
            {{"EAdrecaZafir", kAddress}, {"EBaudsZafir", kBauds}, {"EImportarFitxerZafir", kEventFile}},
            "SGCentralZafir"),
        firePanel(ProgPage::CentralID3000, QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS ID3000"),
            {{"EBaudsID3000", kBauds}, {"EImportarFitxerID3000", kEventFile}}, "SGCentralID3000"),
    }};
    return panels;
}

} // namespace

const Panel &pagePanel(ProgPage page)
{
    return pages()[static_cast<size_t>(page)];
}

const Panel &sectionPanel(Section section)
{
    static const Panel inputs{"PConfigEntrades", nullptr,
        {{QT_TRANSLATE_NOOP("Pages", "Entradas"), 0, 0, 1, 1, 1, {{"SGEntrades"}}},
            {QT_TRANSLATE_NOOP("Pages", "Mensajes de las entradas"), 0, 1, 1, 1, 1, {{"SGEntradesOpc"}}}}};
    static const Panel outputs{"PConfigSortides", nullptr,
        {{QT_TRANSLATE_NOOP("Pages", "Salidas"), 0, 0, 1, 1, 1, {{"SGSortides"}}},
            {QT_TRANSLATE_NOOP("Pages", "Temporización"), 0, 1, 1, 1, 1, {{"SGSortidesTemps"}}},
            {QT_TRANSLATE_NOOP("Pages", "Salidas activadas por entradas"), 1, 0, 1, 2, 1, {{"SGSortidesEnt"}}},
            {QT_TRANSLATE_NOOP("Pages", "Mensajes de las salidas"), 2, 0, 1, 2, 1, {{"SGSortidesOpc"}}}},
        {3, 2}};
    static const Panel system{"PConfigSistema", nullptr,
        {{QT_TRANSLATE_NOOP("Pages", "Inicio"), 0, 0, 1, 2, 1, {{"SGInici"}}},
            {QT_TRANSLATE_NOOP("Pages", "Test"), 1, 0, 1, 1, 1, {{"SGTest"}}},
            {QT_TRANSLATE_NOOP("Pages", "Mensaje de test"), 1, 1, 1, 1, 1, {{"SGTestOpc"}}},
            {QT_TRANSLATE_NOOP("Pages", "Tamper"), 2, 0, 1, 1, 1, {{"SGTamper"}}},
            {QT_TRANSLATE_NOOP("Pages", "Mensajes de tamper"), 2, 1, 1, 1, 1, {{"SGTamperOpc"}}},
            {QT_TRANSLATE_NOOP("Pages", "Alimentación"), 3, 0, 1, 1, 1, {{"SGAlim"}}},
            {QT_TRANSLATE_NOOP("Pages", "Mensajes de alimentación"), 3, 1, 1, 1, 1, {{"SGAlimOpc"}}},
            {QT_TRANSLATE_NOOP("Pages", "Pérdidas de comunicación"), 4, 0, 1, 2, 1, {{"SGPerduaCOM"}}}}};
    switch (section) {
    case Section::Outputs: return outputs;
    case Section::System: return system;
    case Section::Inputs:
    case Section::None: break;
    }
    return inputs;
}

const char *pageCaption(ProgPage page)
{
    static const char *const captions[kProgPageCount] = {QT_TRANSLATE_NOOP("Pages", "Config. hard"),
        QT_TRANSLATE_NOOP("Pages", "Config. soft"), QT_TRANSLATE_NOOP("Pages", "Usuario"),
        QT_TRANSLATE_NOOP("Pages", "Aguilera"), QT_TRANSLATE_NOOP("Pages", "BC600/216"),
        QT_TRANSLATE_NOOP("Pages", "Industrial"), QT_TRANSLATE_NOOP("Pages", "Accesos"),
        QT_TRANSLATE_NOOP("Pages", "Cofem"), QT_TRANSLATE_NOOP("Pages", "Urano"), QT_TRANSLATE_NOOP("Pages", "Syncro"),
        QT_TRANSLATE_NOOP("Pages", "Bosch"), QT_TRANSLATE_NOOP("Pages", "AD300"), QT_TRANSLATE_NOOP("Pages", "Supra"),
        QT_TRANSLATE_NOOP("Pages", "Cofem Zafir"), QT_TRANSLATE_NOOP("Pages", "ID3000")};
    return captions[static_cast<int>(page)];
}

} // namespace quelta::ui
