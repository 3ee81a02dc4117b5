// The unit order of the mVoxPk library, and its entry. The loader runs the
// units' initializations in this order when it opens the library and their
// finalizations in reverse when it unloads it. The records' units come first,
// then the processes'.
// A unit comes after the units it uses; every new unit of the library adds its
// two functions below and a line to the list, between the markers.
#include <iterator>

#include "nPacotes_U.h"

namespace nUnidades {
void _mVoxPk_Ini_Inicializar();
void _mVoxPk_Ini_Finalizar();
// --- generation
void nFrmGerarProtocolo_U_Inicializar();
void nFrmGerarProtocolo_U_Finalizar();
void mVoxDPGerarProtocoloBase_U_Inicializar();
void mVoxDPGerarProtocoloBase_U_Finalizar();
void mVoxDPGerarProtocolo_U_Inicializar();
void mVoxDPGerarProtocolo_U_Finalizar();
void mVoxDPGerarProIndividual_U_Inicializar();
void mVoxDPGerarProIndividual_U_Finalizar();
// --- end generation
// --- withdrawal and consultations
void mVoxDPBaixarProtocolo_U_Inicializar();
void mVoxDPBaixarProtocolo_U_Finalizar();
void mVoxDPConsultaProtocoloBase_U_Inicializar();
void mVoxDPConsultaProtocoloBase_U_Finalizar();
void mVoxDPConsultaProtocoloBaixado_U_Inicializar();
void mVoxDPConsultaProtocoloBaixado_U_Finalizar();
void mVoxDPConsultaProtocoloEntregue_U_Inicializar();
void mVoxDPConsultaProtocoloEntregue_U_Finalizar();
// --- end withdrawal and consultations
// --- delivery configuration
void mVoxDPConfiguracaoEntrega_U_Inicializar();
void mVoxDPConfiguracaoEntrega_U_Finalizar();
void mVoxDPConfiguradorTipoGrupo_U_Inicializar();
void mVoxDPConfiguradorTipoGrupo_U_Finalizar();
// --- end delivery configuration
// --- route stop order
void mVoxDPConfigurarRotaEntrega_U_Inicializar();
void mVoxDPConfigurarRotaEntrega_U_Finalizar();
// --- end route stop order
// --- archiving documents
void mVoxDPArquivarDocs_U_Inicializar();
void mVoxDPArquivarDocs_U_Finalizar();
// --- end archiving documents
// --- expected documents
void mVoxDPGerarDocumento_U_Inicializar();
void mVoxDPGerarDocumento_U_Finalizar();
void mVoxDPConsultaDocPendente_U_Inicializar();
void mVoxDPConsultaDocPendente_U_Finalizar();
void mVoxDPDocumentosPendentes_U_Inicializar();
void mVoxDPDocumentosPendentes_U_Finalizar();
// --- end expected documents
// --- box consultations
void mVoxDPConsultaDocumentosCaixa_U_Inicializar();
void mVoxDPConsultaDocumentosCaixa_U_Finalizar();
void mVoxDPConsultaProtocoloLocalCaixas_U_Inicializar();
void mVoxDPConsultaProtocoloLocalCaixas_U_Finalizar();
void mVoxDPConsultaDocumento_U_Inicializar();
void mVoxDPConsultaDocumento_U_Finalizar();
// --- end box consultations
void _mVoxPk_Fim_Inicializar();
void _mVoxPk_Fim_Finalizar();
void mVoxDireitoUsuario_U_Inicializar();
void mVoxDireitoUsuario_U_Finalizar();
// --- archive
void mVoxDMProtocoloLocalCaixa_U_Inicializar();
void mVoxDMProtocoloLocalCaixa_U_Finalizar();
void mVoxDCProtocoloLocalCaixa_U_Inicializar();
void mVoxDCProtocoloLocalCaixa_U_Finalizar();
void mVoxDMProtocoloDocCaixa_U_Inicializar();
void mVoxDMProtocoloDocCaixa_U_Finalizar();
void mVoxDCProtocoloDocCaixa_U_Inicializar();
void mVoxDCProtocoloDocCaixa_U_Finalizar();
void mVoxDMProtocoloDocEnvelope_U_Inicializar();
void mVoxDMProtocoloDocEnvelope_U_Finalizar();
void mVoxDCProtocoloDocEnvelope_U_Inicializar();
void mVoxDCProtocoloDocEnvelope_U_Finalizar();
void mVoxDMProtocoloDocArquivo_U_Inicializar();
void mVoxDMProtocoloDocArquivo_U_Finalizar();
void mVoxDCProtocoloDocArquivo_U_Inicializar();
void mVoxDCProtocoloDocArquivo_U_Finalizar();
// --- end archive
// --- protocols
void mVoxDMProtocolo_U_Inicializar();
void mVoxDMProtocolo_U_Finalizar();
void mVoxDCProtocolo_U_Inicializar();
void mVoxDCProtocolo_U_Finalizar();
void mVoxDMProtocoloItem_U_Inicializar();
void mVoxDMProtocoloItem_U_Finalizar();
void mVoxDMProtocoloRespEstab_U_Inicializar();
void mVoxDMProtocoloRespEstab_U_Finalizar();
void mVoxDMCfgTipoProtocolo_U_Inicializar();
void mVoxDMCfgTipoProtocolo_U_Finalizar();
// --- end protocols
// --- documents and routes
void mVoxDMProtocoloDocEmp_U_Inicializar();
void mVoxDMProtocoloDocEmp_U_Finalizar();
void mVoxDCProtocoloDocEmp_U_Inicializar();
void mVoxDCProtocoloDocEmp_U_Finalizar();
void mVoxDMProtocoloDocMovimento_U_Inicializar();
void mVoxDMProtocoloDocMovimento_U_Finalizar();
void mVoxDMProtocoloRota_U_Inicializar();
void mVoxDMProtocoloRota_U_Finalizar();
void mVoxDCProtocoloRota_U_Inicializar();
void mVoxDCProtocoloRota_U_Finalizar();
void mVoxDMProtocoloRotaEntrega_U_Inicializar();
void mVoxDMProtocoloRotaEntrega_U_Finalizar();
// --- end documents and routes
// --- document types
void mVoxDMHistoricoPro_U_Inicializar();
void mVoxDMHistoricoPro_U_Finalizar();
void mVoxDCHistoricoPro_U_Inicializar();
void mVoxDCHistoricoPro_U_Finalizar();
void mVoxDMProtocoloTipoDoc_U_Inicializar();
void mVoxDMProtocoloTipoDoc_U_Finalizar();
void mVoxDCProtocoloTipoDoc_U_Inicializar();
void mVoxDCProtocoloTipoDoc_U_Finalizar();
void mVoxDMProtocoloGrupoDoc_U_Inicializar();
void mVoxDMProtocoloGrupoDoc_U_Finalizar();
void mVoxDMProtocoloGrupoTipoDoc_U_Inicializar();
void mVoxDMProtocoloGrupoTipoDoc_U_Finalizar();
void mVoxDCProtocoloGrupoTipoDoc_U_Inicializar();
void mVoxDCProtocoloGrupoTipoDoc_U_Finalizar();
// --- end document types
}  // namespace nUnidades

namespace {

using namespace nUnidades;

const TnUnidadePacote GUnidades[] = {
    {"_mVoxPk_Ini", &_mVoxPk_Ini_Inicializar, &_mVoxPk_Ini_Finalizar},
    {"mVoxDireitoUsuario_U", &mVoxDireitoUsuario_U_Inicializar, &mVoxDireitoUsuario_U_Finalizar},
    // --- archive
    {"mVoxDMProtocoloLocalCaixa_U", &mVoxDMProtocoloLocalCaixa_U_Inicializar, &mVoxDMProtocoloLocalCaixa_U_Finalizar},
    {"mVoxDCProtocoloLocalCaixa_U", &mVoxDCProtocoloLocalCaixa_U_Inicializar, &mVoxDCProtocoloLocalCaixa_U_Finalizar},
    {"mVoxDMProtocoloDocCaixa_U", &mVoxDMProtocoloDocCaixa_U_Inicializar, &mVoxDMProtocoloDocCaixa_U_Finalizar},
    {"mVoxDCProtocoloDocCaixa_U", &mVoxDCProtocoloDocCaixa_U_Inicializar, &mVoxDCProtocoloDocCaixa_U_Finalizar},
    {"mVoxDMProtocoloDocEnvelope_U", &mVoxDMProtocoloDocEnvelope_U_Inicializar, &mVoxDMProtocoloDocEnvelope_U_Finalizar},
    {"mVoxDCProtocoloDocEnvelope_U", &mVoxDCProtocoloDocEnvelope_U_Inicializar, &mVoxDCProtocoloDocEnvelope_U_Finalizar},
    {"mVoxDMProtocoloDocArquivo_U", &mVoxDMProtocoloDocArquivo_U_Inicializar, &mVoxDMProtocoloDocArquivo_U_Finalizar},
    {"mVoxDCProtocoloDocArquivo_U", &mVoxDCProtocoloDocArquivo_U_Inicializar, &mVoxDCProtocoloDocArquivo_U_Finalizar},
    // --- end archive
    // --- protocols
    {"mVoxDMProtocolo_U", &mVoxDMProtocolo_U_Inicializar, &mVoxDMProtocolo_U_Finalizar},
    {"mVoxDCProtocolo_U", &mVoxDCProtocolo_U_Inicializar, &mVoxDCProtocolo_U_Finalizar},
    {"mVoxDMProtocoloItem_U", &mVoxDMProtocoloItem_U_Inicializar, &mVoxDMProtocoloItem_U_Finalizar},
    {"mVoxDMProtocoloRespEstab_U", &mVoxDMProtocoloRespEstab_U_Inicializar, &mVoxDMProtocoloRespEstab_U_Finalizar},
    {"mVoxDMCfgTipoProtocolo_U", &mVoxDMCfgTipoProtocolo_U_Inicializar, &mVoxDMCfgTipoProtocolo_U_Finalizar},
    // --- end protocols
    // --- documents and routes
    {"mVoxDMProtocoloDocEmp_U", &mVoxDMProtocoloDocEmp_U_Inicializar, &mVoxDMProtocoloDocEmp_U_Finalizar},
    {"mVoxDCProtocoloDocEmp_U", &mVoxDCProtocoloDocEmp_U_Inicializar, &mVoxDCProtocoloDocEmp_U_Finalizar},
    {"mVoxDMProtocoloDocMovimento_U", &mVoxDMProtocoloDocMovimento_U_Inicializar, &mVoxDMProtocoloDocMovimento_U_Finalizar},
    {"mVoxDMProtocoloRota_U", &mVoxDMProtocoloRota_U_Inicializar, &mVoxDMProtocoloRota_U_Finalizar},
    {"mVoxDCProtocoloRota_U", &mVoxDCProtocoloRota_U_Inicializar, &mVoxDCProtocoloRota_U_Finalizar},
    {"mVoxDMProtocoloRotaEntrega_U", &mVoxDMProtocoloRotaEntrega_U_Inicializar, &mVoxDMProtocoloRotaEntrega_U_Finalizar},
    // --- end documents and routes
    // --- document types
    {"mVoxDMHistoricoPro_U", &mVoxDMHistoricoPro_U_Inicializar, &mVoxDMHistoricoPro_U_Finalizar},
    {"mVoxDCHistoricoPro_U", &mVoxDCHistoricoPro_U_Inicializar, &mVoxDCHistoricoPro_U_Finalizar},
    {"mVoxDMProtocoloTipoDoc_U", &mVoxDMProtocoloTipoDoc_U_Inicializar, &mVoxDMProtocoloTipoDoc_U_Finalizar},
    {"mVoxDCProtocoloTipoDoc_U", &mVoxDCProtocoloTipoDoc_U_Inicializar, &mVoxDCProtocoloTipoDoc_U_Finalizar},
    {"mVoxDMProtocoloGrupoDoc_U", &mVoxDMProtocoloGrupoDoc_U_Inicializar, &mVoxDMProtocoloGrupoDoc_U_Finalizar},
    {"mVoxDMProtocoloGrupoTipoDoc_U", &mVoxDMProtocoloGrupoTipoDoc_U_Inicializar, &mVoxDMProtocoloGrupoTipoDoc_U_Finalizar},
    {"mVoxDCProtocoloGrupoTipoDoc_U", &mVoxDCProtocoloGrupoTipoDoc_U_Inicializar, &mVoxDCProtocoloGrupoTipoDoc_U_Finalizar},
    // --- end document types
    // --- generation
    {"nFrmGerarProtocolo_U", &nFrmGerarProtocolo_U_Inicializar, &nFrmGerarProtocolo_U_Finalizar},
    {"mVoxDPGerarProtocoloBase_U", &mVoxDPGerarProtocoloBase_U_Inicializar, &mVoxDPGerarProtocoloBase_U_Finalizar},
    {"mVoxDPGerarProtocolo_U", &mVoxDPGerarProtocolo_U_Inicializar, &mVoxDPGerarProtocolo_U_Finalizar},
    {"mVoxDPGerarProIndividual_U", &mVoxDPGerarProIndividual_U_Inicializar, &mVoxDPGerarProIndividual_U_Finalizar},
    // --- end generation
    // --- withdrawal and consultations
    {"mVoxDPBaixarProtocolo_U", &mVoxDPBaixarProtocolo_U_Inicializar, &mVoxDPBaixarProtocolo_U_Finalizar},
    {"mVoxDPConsultaProtocoloBase_U", &mVoxDPConsultaProtocoloBase_U_Inicializar, &mVoxDPConsultaProtocoloBase_U_Finalizar},
    {"mVoxDPConsultaProtocoloBaixado_U", &mVoxDPConsultaProtocoloBaixado_U_Inicializar, &mVoxDPConsultaProtocoloBaixado_U_Finalizar},
    {"mVoxDPConsultaProtocoloEntregue_U", &mVoxDPConsultaProtocoloEntregue_U_Inicializar, &mVoxDPConsultaProtocoloEntregue_U_Finalizar},
    // --- end withdrawal and consultations
    // --- delivery configuration
    {"mVoxDPConfiguracaoEntrega_U", &mVoxDPConfiguracaoEntrega_U_Inicializar, &mVoxDPConfiguracaoEntrega_U_Finalizar},
    {"mVoxDPConfiguradorTipoGrupo_U", &mVoxDPConfiguradorTipoGrupo_U_Inicializar,
     &mVoxDPConfiguradorTipoGrupo_U_Finalizar},
    // --- end delivery configuration
    // --- route stop order
    {"mVoxDPConfigurarRotaEntrega_U", &mVoxDPConfigurarRotaEntrega_U_Inicializar,
     &mVoxDPConfigurarRotaEntrega_U_Finalizar},
    // --- end route stop order
    // --- archiving documents
    {"mVoxDPArquivarDocs_U", &mVoxDPArquivarDocs_U_Inicializar, &mVoxDPArquivarDocs_U_Finalizar},
    // --- end archiving documents
    // --- expected documents
    {"mVoxDPGerarDocumento_U", &mVoxDPGerarDocumento_U_Inicializar, &mVoxDPGerarDocumento_U_Finalizar},
    {"mVoxDPConsultaDocPendente_U", &mVoxDPConsultaDocPendente_U_Inicializar,
     &mVoxDPConsultaDocPendente_U_Finalizar},
    {"mVoxDPDocumentosPendentes_U", &mVoxDPDocumentosPendentes_U_Inicializar,
     &mVoxDPDocumentosPendentes_U_Finalizar},
    // --- end expected documents
    // --- box consultations
    {"mVoxDPConsultaDocumentosCaixa_U", &mVoxDPConsultaDocumentosCaixa_U_Inicializar,
     &mVoxDPConsultaDocumentosCaixa_U_Finalizar},
    {"mVoxDPConsultaProtocoloLocalCaixas_U", &mVoxDPConsultaProtocoloLocalCaixas_U_Inicializar,
     &mVoxDPConsultaProtocoloLocalCaixas_U_Finalizar},
    {"mVoxDPConsultaDocumento_U", &mVoxDPConsultaDocumento_U_Inicializar, &mVoxDPConsultaDocumento_U_Finalizar},
    // --- end box consultations
    {"_mVoxPk_Fim", &_mVoxPk_Fim_Inicializar, &_mVoxPk_Fim_Finalizar},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
