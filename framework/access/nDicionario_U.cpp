#include "nDicionario_U.h"

#include <QHash>

#include "nClientDataSet_U.h"
#include "nLookupField_U.h"

namespace {

TnEntradaDicionario Codigo(TnFieldType tipo, int digitos, const char *rotulo, const char *hint, const char *classe = "",
                           const char *link = "") {
  TnEntradaDicionario e;
  e.Tipo = tipo;
  e.Rotulo = QString::fromUtf8(rotulo);
  e.Hint = QString::fromUtf8(hint);
  e.TamanhoMaximo = digitos;
  // Codes show as plain digits, whatever format a screen gave the column.
  e.DisplayFormat = QStringLiteral("0");
  e.LookupClassName = QString::fromLatin1(classe);
  e.LinkKeyFields = QString::fromLatin1(link);
  e.Controle = e.LookupClassName.isEmpty() ? TnTipoControle::Edit : TnTipoControle::LookupEdit;
  return e;
}

TnEntradaDicionario ComNome(TnEntradaDicionario e, const char *tabela, QStringList chaves, const char *resultado,
                            const char *campo, const char *rotulo, int tamanho) {
  e.LookupTabela = QString::fromLatin1(tabela);
  e.LookupChaves = std::move(chaves);
  e.LookupResultado = QString::fromLatin1(resultado);
  e.LookupCampo = QString::fromLatin1(campo);
  e.LookupRotulo = QString::fromUtf8(rotulo);
  e.LookupTamanho = tamanho;
  return e;
}

TnEntradaDicionario Texto(int tamanho, const char *rotulo, const char *hint = "") {
  TnEntradaDicionario e;
  e.Tipo = TnFieldType::String;
  e.Tamanho = tamanho;
  e.TamanhoMaximo = tamanho;
  e.Rotulo = QString::fromUtf8(rotulo);
  e.Hint = QString::fromUtf8(hint);
  e.Controle = TnTipoControle::Edit;
  return e;
}

using TnMapa = QHash<QString, TnEntradaDicionario>;

// The suite's keys.
TnMapa Padrao() {
  using T = TnFieldType;
  TnMapa m;
  auto add = [&m](const char *chave, TnEntradaDicionario e) { m.insert(QString::fromLatin1(chave), std::move(e)); };

  add("CODIGOEMPRESA",
      ComNome(Codigo(T::SmallInt, 4, "Empresa", "Informe o código da empresa", "TrTulDCEmpresa", "CODIGOEMPRESA"),
              "EMPRESA", {"CODIGOEMPRESA"}, "NOMEEMPRESA", "NomeEmpresa", "Nome Empresa", 100));
  // The establishment is known by its nickname; one without a nickname by
  // its name.
  add("CODIGOESTAB", ComNome(Codigo(T::SmallInt, 4, "Filial", "Informe o código da filial", "TrTulDCEstab",
                                    "CODIGOEMPRESA;CODIGOESTAB"),
                             "ESTAB", {"CODIGOEMPRESA", "CODIGOESTAB"}, "coalesce(nullif(APELIDOESTAB, ''), NOMEESTAB)",
                             "NomeEstab", "Nome Filial", 100));
  add("CODIGOGRUPODOC",
      ComNome(Codigo(T::SmallInt, 4, "Grupo Documento", "Informe o código do grupo de documentos",
                     "TmVoxDCProtocoloGrupoDoc", "CODIGOGRUPODOC"),
              "PROTOCOLOGRUPODOC", {"CODIGOGRUPODOC"}, "DESCRGRUPODOC", "DescrGrupoDoc", "Descrição Grupo", 50));
  add("CODIGOTIPODOC",
      ComNome(Codigo(T::SmallInt, 4, "Tipo Documento", "Informe o código do tipo de documento",
                     "TmVoxDCProtocoloTipoDoc", "CODIGOTIPODOC"),
              "PROTOCOLOTIPODOC", {"CODIGOTIPODOC"}, "DESCRTIPODOC", "DescrTipoDoc", "Descrição Tipo", 50));
  add("CODIGODOCEMP",
      ComNome(Codigo(T::LargeInt, 10, "Documento", "Informe o código do documento", "TmVoxDCProtocoloDocEmp",
                     "CODIGODOCEMP"),
              "PROTOCOLODOCEMP", {"CODIGODOCEMP"}, "DESCRDOCEMP", "DescrDocEmp", "Descrição Documento", 50));
  add("CODIGOCAIXAPRO",
      Codigo(T::SmallInt, 4, "Caixa", "Informe o código da caixa", "TmVoxDCProtocoloDocCaixa", "CODIGOCAIXA"));
  add("CODIGOENVELOPE", ComNome(Codigo(T::Integer, 9, "Envelope", "Informe o código do envelope",
                                       "TmVoxDCProtocoloDocEnvelope", "CODIGOCAIXA;CODIGOENVELOPE"),
                                "PROTOCOLODOCENVELOPE", {"CODIGOCAIXA", "CODIGOENVELOPE"}, "DESCRENVELOPE",
                                "DescrEnvelope", "Descrição Envelope", 50));
  add("CODIGOLOCAL",
      ComNome(Codigo(T::SmallInt, 4, "Local", "Informe o código do local", "TmVoxDCProtocoloLocalCaixa", "CODIGOLOCAL"),
              "PROTOCOLOLOCALCAIXA", {"CODIGOLOCAL"}, "DESCRLOCAL", "DescrLocal", "Descrição Local", 50));
  add("CODIGOROTA", ComNome(Codigo(T::SmallInt, 4, "Rota", "Informe o código da rota de entrega",
                                   "TmVoxDCProtocoloRota", "CODIGOROTA"),
                            "PROTOCOLOROTA", {"CODIGOROTA"}, "DESCRROTA", "DescrRota", "Descrição Rota", 50));
  add("SEQROTA", Codigo(T::SmallInt, 4, "Sequência", "Informe a sequência da rota"));
  add("SEQDOCEMP", Codigo(T::SmallInt, 4, "Sequência", "Informe a sequência da movimentação"));
  add("CODIGOPROTOCOLO",
      Codigo(T::LargeInt, 10, "Protocolo", "Informe o código do protocolo", "TmVoxDCProtocolo", "CODIGOPROTOCOLO"));
  // The full name when the user has one, else the login name.
  add("CODIGOUSUARIO",
      ComNome(Codigo(T::SmallInt, 4, "Usuário", "Informe o código do usuário", "TrTulDCUsuario", "CODIGOUSUARIO"),
              "USUARIO", {"CODIGOUSUARIO"}, "coalesce(nullif(NOMEUSUARIOCOMPL, ''), NOMEUSUARIO)", "NomeUsuario",
              "Nome Usuário", 100));
  add("CODIGODPTOESCRIT",
      ComNome(Codigo(T::SmallInt, 4, "Departamento", "Informe o código do departamento", "TrTulDCDptoEscrit",
                     "CODIGODPTOESCRIT"),
              "DPTOESCRIT", {"CODIGODPTOESCRIT"}, "DESCRDPTOESCRIT", "DescrDptoEscrit", "Descrição Departamento", 50));
  add("CODIGOHISTPRO",
      ComNome(
          Codigo(T::SmallInt, 4, "Histórico", "Informe o código do histórico", "TmVoxDCHistoricoPro", "CODIGOHISTPRO"),
          "HISTORICOPRO", {"CODIGOHISTPRO"}, "DESCRISAOHISTPRO", "DescrHistPro", "Descrição Histórico", 200));
  // A tax is named by its code and variation together: the code alone
  // opens the lookup, the variation names the tax.
  add("CODIGOIMPOSTO",
      Codigo(T::Integer, 9, "Imposto", "Informe o código do imposto", "TrTulDCImposto", "CODIGOIMPOSTO"));
  add("CODIGOIMPOSTO;VARIACAOIMPOSTO", ComNome(Codigo(T::SmallInt, 4, "Variação", "Informe a variação do imposto",
                                                      "TrTulDCImposto", "CODIGOIMPOSTO;VARIACAOIMPOSTO"),
                                               "IMPOSTO", {"CODIGOIMPOSTO", "VARIACAOIMPOSTO"}, "DESCRIMPOSTO",
                                               "DescrImposto", "Descrição Imposto", 100));

  TnEntradaDicionario vencimento;
  vencimento.Tipo = T::Date;
  vencimento.Rotulo = QStringLiteral("Vencimento");
  vencimento.Hint = QStringLiteral("Informe a data de vencimento");
  vencimento.Controle = TnTipoControle::Data;
  vencimento.DisplayFormat = QStringLiteral("DD/MM/YYYY");
  add("VENCIMENTO", vencimento);

  TnEntradaDicionario valor;
  valor.Tipo = T::FMTBcd;
  valor.Precisao = 18;
  valor.Escala = 2;
  valor.Rotulo = QStringLiteral("Valor");
  valor.Hint = QStringLiteral("Informe o valor");
  valor.Controle = TnTipoControle::Edit;
  valor.DisplayFormat = QStringLiteral("#,##0.00");
  add("VALOR", valor);

  TnEntradaDicionario data;
  data.Tipo = T::Date;
  data.Rotulo = QStringLiteral("Data");
  data.Hint = QStringLiteral("Informe a data");
  data.Controle = TnTipoControle::Data;
  data.DisplayFormat = QStringLiteral("DD/MM/YYYY");
  data.EditMask = QStringLiteral("##/##/####");
  add("DICDATA", data);

  TnEntradaDicionario mesAno;
  mesAno.Tipo = T::Date;
  mesAno.Rotulo = QStringLiteral("Mês/Ano");
  mesAno.Hint = QStringLiteral("Informe o mês e o ano");
  mesAno.Controle = TnTipoControle::MesAno;
  mesAno.DisplayFormat = QStringLiteral("MM/YYYY");
  mesAno.EditMask = QStringLiteral("##/####");
  add("DICDATAMESANO", mesAno);

  add("DICTEXTO", Texto(255, "Texto", "Informe o texto"));

  TnEntradaDicionario simNao;
  simNao.Tipo = T::FixedChar;
  simNao.Tamanho = 1;
  simNao.Rotulo = QStringLiteral("Sim/Não");
  simNao.Controle = TnTipoControle::ComboBox;
  simNao.NomesValores = {QStringLiteral("Sim=1"), QStringLiteral("Não=0")};
  add("DICSIMNAO", simNao);

  // The establishment's address, shared by the delivery address.
  add("LOGRADESTAB", Texto(15, "Logradouro", "Informe o tipo do logradouro"));
  add("ENDERESTAB", Texto(40, "Endereço", "Informe o endereço"));
  add("COMPLENDERESTAB", Texto(20, "Complemento", "Informe o complemento do endereço"));
  add("NUMENDERESTAB", Codigo(T::Integer, 9, "Número", "Informe o número do endereço"));
  add("BAIRROESTAB", Texto(30, "Bairro", "Informe o bairro"));
  TnEntradaDicionario estado =
      ComNome(Codigo(T::FixedChar, 2, "Estado", "Informe a sigla do estado", "TrTulDCEstado", "SIGLAESTADO"), "ESTADO",
              {"SIGLAESTADO"}, "NOMEESTADO", "NomeEstado", "Nome Estado", 50);
  estado.Tamanho = 2;
  estado.DisplayFormat.clear();  // a text code
  add("SIGLAESTADO", estado);
  add("CODIGOMUNIC",
      ComNome(Codigo(T::SmallInt, 4, "Município", "Informe o código do município", "TrTulDCMunicipio",
                     "SIGLAESTADO;CODIGOMUNIC"),
              "MUNICIPIO", {"SIGLAESTADO", "CODIGOMUNIC"}, "NOMEMUNIC", "NomeMunic", "Nome Município", 100));
  add("CEPESTAB", Texto(10, "CEP", "Informe o CEP"));
  return m;
}

TnMapa &Mapa() {
  static TnMapa mapa = Padrao();
  return mapa;
}

QString Normalizar(const QString &chave) { return chave.trimmed().toUpper(); }

// The key fields of a lookup for this field: its own link list, else the
// entry's with the field itself in the last place (a field named otherwise
// than its key, such as CODIGOUSUARIORESP, links by its own name).
QStringList CamposDoLink(const TnField &campo, const TnEntradaDicionario &e) {
  QStringList campos;
  for (const QString &nome : campo.Definicao().LinkKeyFields().split(u';', Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) campos << nome.trimmed();
  if (campos.size() == e.LookupChaves.size()) return campos;
  campos.clear();
  for (qsizetype i = 0; i + 1 < e.LookupChaves.size(); ++i) campos << e.LookupChaves[i];
  campos << campo.FieldName();
  return campos;
}

QString LinkDoCampo(const TnField &campo, const TnEntradaDicionario &e) {
  QStringList campos = e.LinkKeyFields.split(u';', Qt::SkipEmptyParts);
  if (campos.isEmpty()) return {};
  campos.last() = campo.FieldName();
  return campos.join(u';');
}

}  // namespace

void TnDicionario::Registrar(const QString &chave, const TnEntradaDicionario &entrada) {
  Mapa().insert(Normalizar(chave), entrada);
}

const TnEntradaDicionario *TnDicionario::Entrada(const QString &chave) {
  const TnMapa &mapa = Mapa();
  const auto achado = mapa.constFind(Normalizar(chave));
  return achado == mapa.constEnd() ? nullptr : &*achado;
}

QStringList TnDicionario::Chaves() {
  QStringList chaves = Mapa().keys();
  chaves.sort();
  return chaves;
}

QString TnDicionario::ChaveDoCampo(const TnField &campo) {
  const QString chave = campo.Definicao().Dicionario().trimmed();
  return chave.isEmpty() ? campo.FieldName() : chave;
}

bool TnDicionario::Aplicar(TnField &campo) {
  const TnEntradaDicionario *e = Entrada(ChaveDoCampo(campo));
  if (!e) return false;
  TnDefinicao &def = campo.Definicao();
  auto livre = [&def](const char *propriedade) { return !def.PropriedadePropria(QLatin1String(propriedade)); };

  if (def.Dicionario().isEmpty()) def.SetDicionario(ChaveDoCampo(campo));
  // The data module's own texts win.
  if (livre("DisplayLabel") && !campo.TemDisplayLabel() && !e->Rotulo.isEmpty()) campo.SetDisplayLabel(e->Rotulo);
  if (livre("Hint") && def.Hint().isEmpty()) def.SetHint(e->Hint);
  if (livre("LinkKeyFields") && def.LinkKeyFields().isEmpty()) def.SetLinkKeyFields(LinkDoCampo(campo, *e));
  if (livre("NomesValores") && def.NomesValores().isEmpty()) def.SetNomesValores(e->NomesValores);
  if (livre("LookupClassName") && def.LookupClassName().isEmpty()) def.SetLookupClassName(e->LookupClassName);
  if (livre("TamanhoMaximo") && def.TamanhoMaximo() == 0) def.SetTamanhoMaximo(e->TamanhoMaximo);
  if (livre("Precisao") && def.Precisao() == 0) def.SetPrecisao(e->Precisao);
  if (livre("Escala") && def.Escala() == 0) def.SetEscala(e->Escala);
  // The key's editor settings replace the field's.
  if (livre("TipoControle") && e->Controle != TnTipoControle::Padrao) def.SetTipoControle(e->Controle);
  if (livre("DisplayFormat") && !e->DisplayFormat.isEmpty()) campo.SetDisplayFormat(e->DisplayFormat);
  if (livre("EditMask") && !e->EditMask.isEmpty()) campo.SetEditMask(e->EditMask);
  return true;
}

void TnDicionario::Dicionario(TnClientDataSet &dados) {
  for (int i = 0; i < dados.FieldCount(); ++i) Aplicar(*dados.Fields(i));
}

void TnDicionario::AddFieldLookup(TnClientDataSet &dados) {
  const int total = dados.FieldCount();  // the fields added here are not looked at
  for (int i = 0; i < total; ++i) {
    TnField *campo = dados.Fields(i);
    if (campo->Calculado()) continue;
    const TnEntradaDicionario *e = Entrada(ChaveDoCampo(*campo));
    if (!e || e->LookupTabela.isEmpty() || e->LookupChaves.isEmpty()) continue;
    const QStringList campos = CamposDoLink(*campo, *e);
    bool completo = true;
    for (const QString &nome : campos) completo = completo && dados.FindField(nome);
    if (!completo) continue;

    // The same name for the same keys is added once (a code and its
    // variation both name the tax); a different lookup that would take the
    // name gets one of its own.
    auto mesmo = [&](const TnField *existente) {
      const auto *lookup = dynamic_cast<const TnLookupField *>(existente);
      if (!lookup || lookup->Tabela().compare(e->LookupTabela, Qt::CaseInsensitive) != 0 ||
          lookup->Resultado() != e->LookupResultado || lookup->CamposChave().size() != campos.size())
        return false;
      for (qsizetype k = 0; k < campos.size(); ++k)
        if (lookup->CamposChave()[k].compare(campos[k], Qt::CaseInsensitive) != 0) return false;
      return true;
    };
    QString nome;
    for (const QString &candidato : {e->LookupCampo, e->LookupCampo + campo->FieldName()}) {
      const TnField *existente = dados.FindField(candidato);
      if (!existente || mesmo(existente)) {
        nome = candidato;
        break;
      }
    }
    if (nome.isEmpty()) continue;
    if (!dados.FindField(nome)) {
      auto lookup = std::make_unique<TnLookupField>(&dados, nome, e->LookupTamanho, e->LookupTabela, e->LookupChaves,
                                                    campos, e->LookupResultado);
      lookup->SetDisplayLabel(e->LookupRotulo);
      dados.AdicionarCampo(std::move(lookup));
    }
    TnDefinicao &def = campo->Definicao();
    QStringList resultados = def.LookupResultFields();
    if (!resultados.contains(nome, Qt::CaseInsensitive)) {
      resultados << nome;
      def.SetLookupResultFields(resultados);
    }
  }
}

void Dicionario(TnClientDataSet &dados) { TnDicionario::Dicionario(dados); }

void AddFieldLookup(TnClientDataSet &dados) { TnDicionario::AddFieldLookup(dados); }
