#include "ui/pages/PageContents.h"

#include <QtGlobal>

#include <array>

namespace quelta::ui {
namespace {

#define T(text) QT_TRANSLATE_NOOP("Pages", text)

const char *const kBauds = T("Velocidad (baudios)");
const char *const kEventFile = T("Fichero de eventos");
const char *const kAddress = T("Dirección");
const char *const kLink = T("Comunicación con la central");
const char *const kPanelMessages = T("Mensajes de la central");

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
            {{alias, T("Alias")},
             {opening, T("T. activando")},
             {open, T("T. activado")},
             {closing, T("T. desactivando")},
             {grid}}};
}

const std::array<Panel, kProgPageCount> &pages()
{
    static const std::array<Panel, kProgPageCount> panels{{
        {pagePanelName(ProgPage::ConfigHard), nullptr,
         {{T("Identificación"), 0, 0, 1, 1, 1,
           {{"EProgEmpresa", T("Empresa")},
            {"EProgInstal", T("Instalador")},
            {"EProgRef", T("Referencia")},
            {"EProgTel", T("Teléfono")},
            {"EProgPassword", T("Contraseña SMS")},
            {"ECodiProg", T("Código de programación")},
            {"EPinSIM", T("PIN de la SIM")},
            {"ECentral", T("Central"), "LCentral"},
            {"EMAC", T("Dirección MAC"), "LMac"}}},
          {T("ADSL"), 0, 1, 1, 1, 1,
           {{"CBConfigADSLDHCP", T("DHCP")},
            {"EConfigADSLIP", T("Dirección IP")},
            {"EConfigADSLSubMask", T("Máscara de subred")},
            {"EConfigADSLGateway", T("Puerta de enlace")},
            {"EConfigADSLDNS", T("DNS primario")},
            {"EConfigADSLDNS2", T("DNS secundario")}}},
          // The whole width, for the longest zone names.
          {T("Equipo"), 1, 0, 1, 2, 1, {{"CBHora", T("Zona horaria"), "LFranjaHoraria"}, {"CLBPartsActives", T("Partes activas")}}},
          {T("Operadores"), 2, 0, 1, 2, 1, {{"SGOperadores"}}}}},
        {pagePanelName(ProgPage::ConfigSoft), nullptr,
         {{T("Correo electrónico"), 0, 0, 1, 1, 1,
           {{"EEMailSMTP", T("Servidor SMTP")},
            {"EEmailPort", T("Puerto")},
            {"EEMailUser", T("Usuario")},
            {"EEMailPassword", T("Contraseña")},
            {"EEMailEnviarA", T("Remitente")},
            {"EEmailSubject", T("Asunto")}}},
          {T("CRA"), 0, 1, 1, 1, 3,
           {{"EIPCra11", T("IP CRA 1.1")}, {"EPortCRA11", T("Puerto")}, {"EAbonatCra11", T("Abonado")},
            {"EIPCra12", T("IP CRA 1.2")}, {"EPortCRA12", T("Puerto")}, {"EAbonatCra12", T("Abonado")},
            {"EIPCra21", T("IP CRA 2.1")}, {"EPortCRA21", T("Puerto")}, {"EAbonatCra21", T("Abonado")},
            {"EIPCra22", T("IP CRA 2.2")}, {"EPortCRA22", T("Puerto")}, {"EAbonatCra22", T("Abonado")},
            {"EPollingCRA1", T("Polling (s)")}, {"CBHexaCra", T("Hexadecimal")},
            {"SGCra", T("Aplicación")}}},
          {T("Teléfonos SMS"), 1, 0, 1, 1, 1,
           {{"ETelSMS1", T("Teléfono 1")},
            {"ETelSMS2", T("Teléfono 2")},
            {"ETelSMS3", T("Teléfono 3")},
            {"ETelSMS4", T("Teléfono 4")}}},
          {T("Direcciones de correo"), 1, 1, 1, 1, 1,
           {{"EEmail1", T("E-mail 1")}, {"EEmail2", T("E-mail 2")}, {"EEmail3", T("E-mail 3")}, {"EEmail4", T("E-mail 4")}}}}},
        {pagePanelName(ProgPage::Usuari), nullptr, {}},
        {pagePanelName(ProgPage::CentralAguilera), T("CENTRAL DE INCENDIOS AGUILERA"),
         {{kLink, 0, 0, 1, 1, 2, {{"EBaudsAgui", kBauds}, {"EImportarFitxer", kEventFile}}},
          {kPanelMessages, 1, 0, 1, 1, 1, {{"SGCentralAgui"}}},
          {T("Listado de zonas"), 0, 1, 3, 1, 1, {{"SGLlistatZonesAgui"}}}},
         {3, 2}},
        {pagePanelName(ProgPage::CentralBC600), T("CENTRAL DE INCENDIOS BC600/216"),
         {{kLink, 0, 0, 1, 1, 2, {{"EBaudsBC600", kBauds}, {"EImportarFitxerBC600", kEventFile}}},
          {T("Aplicación"), 0, 1, 1, 1, 1, {{"SGBCApp"}}},
          {kPanelMessages, 1, 0, 1, 2, 1, {{"SGCentralBC600"}}}},
         {2, 1}},
        {pagePanelName(ProgPage::Industrial), T("EQUIPO INDUSTRIAL"), {{T("Equipo"), 0, 0, 1, 1, 1, {{"SGEquipIndus"}}}}},
        {pagePanelName(ProgPage::Portes), T("CONTROL DE ACCESOS"),
         {doorButton(0, 0, T("Botón 1"), "EAliesB1", "ETActivantB1", "ETActivatB1", "ETDesactivantB1", "SGBoto1"),
          doorButton(0, 1, T("Botón 2"), "EAliesB2", "ETActivantB2", "ETActivatB2", "ETDesactivantB2", "SGBoto2"),
          doorButton(1, 0, T("Botón 3"), "EAliesB3", "ETActivantB3", "ETActivatB3", "ETDesactivantB3", "SGBoto3"),
          doorButton(1, 1, T("Botón 4"), "EAliesB4", "ETActivantB4", "ETActivatB4", "ETDesactivantB4", "SGBoto4"),
          {T("Teléfonos"), 0, 2, 1, 1, 1, {{"SGTelefons"}}},
          {T("Usuarios"), 1, 2, 1, 1, 1, {{"SGUsuaris"}}}},
         {0, 0, 1}},
        firePanel(ProgPage::CentralCofem, T("CENTRAL DE INCENDIOS COFEM"),
                  {{"EAdrecaCofem", kAddress}, {"EBaudsCofem", kBauds}, {"EImportarFitxerCofem", kEventFile}},
                  "SGCentralCofem"),
        firePanel(ProgPage::CentralUrano, T("CENTRAL DE INCENDIOS URANO"), {{"EBaudsUrano", kBauds}},
                  "SGCentralUrano"),
        firePanel(ProgPage::CentralSyncro, T("CENTRAL DE INCENDIOS SYNCRO"),
                  {{"EBaudsSyncro", kBauds}, {"EImportarFitxerSyncro", kEventFile}}, "SGCentralSyncro"),
        firePanel(ProgPage::CentralAvenarBosch, T("CENTRAL DE INCENDIOS BOSCH"),
                  {{"EBaudsAvenarBosch", kBauds}, {"EImportarFitxerAvenarBosch", kEventFile}},
                  "SGCentralAvenarBosch"),
        firePanel(ProgPage::CentralAD300, T("CENTRAL DE INCENDIOS AD300"),
                  {{"EAdrAD300", kAddress}, {"EBaudsAD300", kBauds}, {"EImportarFitxerAD300", kEventFile}},
                  "SGCentralAD300"),
        firePanel(ProgPage::CentralSupra, T("CENTRAL DE INCENDIOS SUPRA"),
                  {{"EBaudsSupra", kBauds}, {"EImportarFitxerSupra", kEventFile}}, "SGCentralSupra"),
        firePanel(ProgPage::CentralZafir, T("CENTRAL DE INCENDIOS COFEM ZAFIR"),
                  {{"EAdrecaZafir", kAddress}, {"EBaudsZafir", kBauds}, {"EImportarFitxerZafir", kEventFile}},
                  "SGCentralZafir"),
        firePanel(ProgPage::CentralID3000, T("CENTRAL DE INCENDIOS ID3000"),
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
                              {{T("Entradas"), 0, 0, 1, 1, 1, {{"SGEntrades"}}},
                               {T("Mensajes de las entradas"), 0, 1, 1, 1, 1, {{"SGEntradesOpc"}}}}};
    static const Panel outputs{"PConfigSortides", nullptr,
                               {{T("Salidas"), 0, 0, 1, 1, 1, {{"SGSortides"}}},
                                {T("Temporización"), 0, 1, 1, 1, 1, {{"SGSortidesTemps"}}},
                                {T("Salidas activadas por entradas"), 1, 0, 1, 2, 1, {{"SGSortidesEnt"}}},
                                {T("Mensajes de las salidas"), 2, 0, 1, 2, 1, {{"SGSortidesOpc"}}}},
                               {3, 2}};
    static const Panel system{"PConfigSistema", nullptr,
                              {{T("Inicio"), 0, 0, 1, 2, 1, {{"SGInici"}}},
                               {T("Test"), 1, 0, 1, 1, 1, {{"SGTest"}}},
                               {T("Mensaje de test"), 1, 1, 1, 1, 1, {{"SGTestOpc"}}},
                               {T("Tamper"), 2, 0, 1, 1, 1, {{"SGTamper"}}},
                               {T("Mensajes de tamper"), 2, 1, 1, 1, 1, {{"SGTamperOpc"}}},
                               {T("Alimentación"), 3, 0, 1, 1, 1, {{"SGAlim"}}},
                               {T("Mensajes de alimentación"), 3, 1, 1, 1, 1, {{"SGAlimOpc"}}},
                               {T("Pérdidas de comunicación"), 4, 0, 1, 2, 1, {{"SGPerduaCOM"}}}}};
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
    static const char *const captions[kProgPageCount] = {
        T("Config. hard"), T("Config. soft"), T("Usuario"), T("Aguilera"), T("BC600/216"),
        T("Industrial"), T("Accesos"), T("Cofem"), T("Urano"), T("Syncro"),
        T("Bosch"), T("AD300"), T("Supra"), T("Cofem Zafir"), T("ID3000")};
    return captions[static_cast<int>(page)];
}

#undef T

} // namespace quelta::ui
