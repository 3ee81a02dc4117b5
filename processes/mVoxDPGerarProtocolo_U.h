#pragma once

#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "mVoxDPGerarProtocoloBase_U.h"
#include "mvoxpk_export.h"
#include "nToolButton_U.h"

class TmVoxMontarDescricao;
class TnClientDataSet;
class TnField;
class TnFraProgresso;
class TnMapperFinanceiro;
class TnMsgTreeNode;
class TnSQLDataSet;
class TnpqParamItem;
class TnpqPowerParam;

// "Gerar Protocolo": for a date range, a set of protocol types and a
// selection of companies and establishments, proposes protocols whose items
// are the suite's tax debits (and, through their own sources, payroll and
// financial documents), one establishment after the other, and reports on
// the message tree what each establishment gave. The user marks items and
// Gravar writes the marked ones (the base).
//
// Grouping: "Protocolo Único" (pFormaGer 1) proposes one protocol per
// establishment with the items of every type; "Dividido em Tipos" (2) one
// per type that has items. Proposal numbers run without gaps: an
// establishment or type that ends with no item gives its number back.
//
// Tax debits come from the seven debit tables, for the establishment, in the
// date range on the launch date (pTipoData 1) or the due date (2), only the
// debits to be delivered (FORMADEBITO 0 or 2), and either only those without
// a protocol ("Sem Protocolo") or all of them ("Todos": those with one show
// it and cannot be marked).
//
// Payroll documents come from the payroll module's tables, for the
// establishment where each employee was placed at the time: the pay of the
// payroll periods (type 6) inside the date range (pTipoData 1) or paid in it
// (2), one item per pay date and period ("Totalizar") or per employee ("Por
// Funcionário"); terminations (7) by termination or pay date; vacation
// receipts (8) by vacation start or pay date. The amount is always payroll
// event 5020. Pay already in an open generated protocol of the same due date
// shows that protocol and cannot be marked; terminations and vacations are
// always offered again. Saving a payroll item writes nothing back to the
// payroll tables.
//
// The office's own invoices (type 11) and boletos (12) come from the
// financial module, for the receivables with a bank slip issued (pTipoData
// 1) or due (2) in the range, in two walks: by office, the clients whose
// financial person names no company and establishment, under the office's
// establishment; by client, those whose person names both, each under that
// establishment. Each client gets its proposal ("Protocolo Único" joins the
// establishment's proposal when there is one). Saving stamps the invoice or
// receivable with the protocol and item, only while it is still free.
//
// An establishment without protocol configuration is skipped with an error
// line; any other failure stops the run naming the company, establishment,
// proposal and type. A run writes nothing to the database.
class MVOXPK_EXPORT TmVoxDPGerarProtocolo : public TmVoxDPGerarProtocoloBase {
 public:
  TmVoxDPGerarProtocolo();
  ~TmVoxDPGerarProtocolo() override;

  static QList<TnMenuDecl> Menus();

  // Message tree shown and brought forward after each run; Gravar and
  // Cancelar offered.
  void DataModuleCreate() override;
  // Reads the parameters (the inherited checks are not run): the dates,
  // the grouping, the typed company and establishment selections (numbers
  // and ranges only), the types, and the payroll listing mode while "Tipo
  // Folha" is enabled. Raises EnParam on the parameter at fault.
  void ValidarDado() override;
  // Clears the message tree, lists, and leaves the selection buttons
  // enabled exactly when something was proposed.
  void Executar() override;
  // The two selection buttons, disabled until a run proposes something.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The debit and payroll pass, then the financial pass, each under its
  // heading on the message tree.
  void GerarProtocolo() override;

  // "Tipo Folha" is enabled and required exactly while type 6 is ticked in
  // "Tipo".
  void npqPowerParamParamChange(TnpqPowerParam &sender, TnpqParamItem &param);

  // Appends a proposal for the establishment under the next proposal number
  // and restarts the item sequence; returns 1 (one proposal).
  int InserirPro(int codigoEmpresa, int codigoEstab, const QString &nomeEmpresa, const QString &nomeEstab);
  // Reads the current type's source rows for the current establishment;
  // above 0 when there are rows.
  int CarregarDados();
  int CarregarDadosCtr();
  // Appends one item per source row to the current proposal; returns how
  // many.
  int InserirItensPro();
  int InserirItensCtr();
  // The base's read of the type's template, through one prepared statement
  // while a pass runs (it is read again for every establishment and type).
  void PegarCfgDescr(int tipo) override;
  // The description of the current debit row from the type's template.
  // Raises "Problemas ao montar a descrição!" CR LF + the cause.
  virtual QString MontarDescricaoCTR() const;
  // The description of the current payroll row from the type's template,
  // whole: the item keeps what its field holds.
  virtual QString MontarDescricaoFPA() const;

  // The statement of a payroll type's rows (6 pay, 7 terminations, any
  // other vacations) for one establishment: parameters pDataInicial,
  // pDataFinal, pCodigoEmpresa and pCodigoEstab. Pay per `tipoFolha` (1 one
  // row per pay date, period and earlier protocol; else per employee);
  // `tipoData` 1 selects by the period inside the range, the termination or
  // the vacation start, anything else by the pay date.
  static QString SQLFolha(int tipo, int tipoFolha, int tipoData);

  // --- the financial sources (types 11 and 12)
  // The statements of one office establishment (parameters pCodigoEmpresa,
  // pCodigoEstab, pDataInicial, pDataFinal, pListarDebitos), dated by the
  // issue date when `emissao`, else by the due date: the clients that have
  // receivables with a bank slip (CODIGOCLIENTE the grouping client: the
  // person when the person names an establishment, else the office; EMP and
  // EST what the person names), and the rows of invoices and of boletos,
  // each with its client's columns.
  static QString MontarSQLClientesFin(bool emissao);
  static QString MontarSQLNotasFiscais(bool emissao);
  static QString MontarSQLBoletos(bool emissao);
  // The clients of a walk, as a filter on EMP and EST: 0 neither a positive
  // company nor a positive establishment, 1 both.
  static QString MontarFiltroClientes(int modo);
  // The description of the current financial row from the type's template.
  virtual QString MontarDescricaoFIN(const TnMapperFinanceiro &fin) const;
  // Stamps the invoice or receivable of a financial item with the protocol
  // and sequence just saved, while it carries no protocol. Raises, naming
  // the item, when it is gone or another protocol took it.
  void AtualizarOrigemItem(qint64 codigoProtocolo, int seqItem) override;

  // The title of a protocol type; "Débitos de Folha" for 10 and for any code
  // it does not know.
  static QString GetTitulo(int tipo);

  // "Selecionar item." (Ctrl+Enter): marks the current protocol's items on
  // the protocol grid, or the current item on the item grid.
  void actSelecionarItemExecute(QObject *sender);
  // "Selecionar todos." (Ctrl+Ins): switches every item that may be marked
  // (a marked one off, any other on).
  void actSelecionarTodosExecute(QObject *sender);

  // --- what the parameters said (read by ValidarDado)
  QDate DataInicial() const { return FDataInicial; }
  QDate DataFinal() const { return FDataFinal; }
  int FormaGer() const { return FFormaGer; }
  int TipoFolha() const { return FTipoFolha; }
  const QStringList &Opcoes() const { return FOpcoes; }
  const QString &Empresa() const { return FEmpresa; }
  const QString &Estab() const { return FEstab; }

  // --- the current step of a run
  int Tipo() const { return FTipo; }
  const QString &TituloTipo() const { return FTituloTipo; }
  // The current type's debit table and the suffix of its key column.
  const QString &Tabela() const { return ATabela; }
  const QString &ChaveDebito() const { return AChaveDebito; }
  // The rows of the current source query; null outside a pass.
  const TnClientDataSet *Dados() const { return curDados; }

  TnToolButton *BtnSelItem() const { return FBtnSelItem; }
  TnToolButton *BtnSelTodos() const { return FBtnSelTodos; }

 protected:
  // The payroll source's rows and items (types 6, 7, 8); 0 while the
  // program has none.
  virtual int CarregarDadosFpa();
  virtual int InserirItensFpa();
  // One walk of the financial sources over the establishments of `lista`,
  // from its current row: mode 0 by office, 1 by client. Says nothing of any
  // establishment when no financial type is ticked; an unconfigured one gets
  // its own company and establishment lines with the error under them.
  virtual void PercorrerEstabsFinanceiro(TnClientDataSet &lista, int modo);
  // One financial type for one office establishment in one walk.
  void GerarNotasFiscais(int codigoEmpresa, int codigoEstab, int modo);
  void GerarBoletos(int codigoEmpresa, int codigoEstab, int modo);

 private:
  void GerarProtocolosDebitos();
  void GerarProtocolosFinanceiro();
  // Ends a pass that failed: empties both lists and raises naming the
  // company, establishment, proposal and type.
  [[noreturn]] void AbandonarListagem(const std::exception &erro);

  // A client of a financial walk: the grouping client and the establishment
  // its documents go to.
  struct TnClienteFin {
    qint64 Cliente = 0;
    int Empresa = 0;
    int Estab = 0;
  };
  // Where the row's documents go: the establishment its person names when
  // it names a positive company and establishment, else the office's
  // (`codigoEmpresa`, `codigoEstab`).
  static TnClienteFin DestinoFin(const TnField &cliente, const TnField &emp, const TnField &est, int codigoEmpresa,
                                 int codigoEstab);
  void GerarFinanceiro(int codigoEmpresa, int codigoEstab, int modo);
  // The walk's clients of the establishment, each once, in code order.
  std::vector<TnClienteFin> ClientesFin(int codigoEmpresa, int codigoEstab, int modo);
  // The client's proposal: the establishment's own under "Protocolo Único"
  // when there is one (0), else a new one (1).
  int InserirProCliente(const TnClienteFin &cliente);
  // The client's items from `dados`, the type's rows of the establishment
  // indexed by CODIGOCLIENTE; gives how many.
  int InserirItensFin(const TnClienteFin &cliente, int modo, TnClientDataSet &dados);
  // A financial statement, prepared once per pass under `chave`.
  TnSQLDataSet &InstrucaoFinanceiro(const QString &chave, const QString &texto, int codigoEmpresa, int codigoEstab);
  // One establishment of the list: its lines, its proposals and items.
  void GerarProtocolosEstab(TnClientDataSet &lista, int &empresaAnterior);
  // True (with the error line and icons) when the establishment has no
  // protocol configuration.
  bool FilialNaoConfigurada(int codigoEmpresa, int codigoEstab);
  // Takes the newest proposal off the screen and gives its number back.
  void RemoverProposta();
  // Enabled and required follow the ticked types.
  void AjustarTipoFolha();
  void HabilitarBotoes(bool habilitar);
  // The debit statement of the current table, prepared once per pass.
  TnSQLDataSet &InstrucaoDebito();
  // The payroll statement of the current type, prepared once per pass.
  TnSQLDataSet &InstrucaoFolha();
  // Opens a source statement for the current establishment and the range;
  // its rows become the current source rows. 1 when there are any, else 0.
  int AbrirFonte(TnSQLDataSet &sql);
  // ixVencimento, ixValor and ixCodigoPro for the current source rows, once
  // per listing; raises naming the columns when the rows lack one.
  void ResolverColunas(const QString &vencimento, const QString &valor);
  // What every item of a listing shares.
  struct TnItemComum {
    QDateTime Agora;
    QDate Competencia;
    int Usuario = 0;
  };
  TnItemComum ItemComum() const;
  // Appends the current proposal's next item with what every source writes
  // alike (numbers, audit, competence, type, unmarked); the caller fills the
  // rest and posts.
  void NovoItem(const TnItemComum &comum);

  QPointer<TnToolButton> FBtnSelItem;
  QPointer<TnToolButton> FBtnSelTodos;
  QString FEmpresa;
  QString FEstab;
  QString ATabela;
  QString AChaveDebito;
  QStringList FOpcoes;
  TnMsgTreeNode *FNodeTipo = nullptr;
  TnMsgTreeNode *FNodeEmp = nullptr;
  TnMsgTreeNode *FNodeEstab = nullptr;
  int ixVencimento = -1;
  int ixValor = -1;
  int ixCodigoPro = -1;
  // The rows of the current source query (owned by its statement).
  TnClientDataSet *curDados = nullptr;
  // The description filler of the listing being built: made for the
  // template and the source rows, it describes each row in turn.
  TmVoxMontarDescricao *FMontador = nullptr;
  // The pass's fillers, one per source statement's rows. A statement runs
  // once per establishment and keeps its fields, so its filler serves every
  // run while the fields, the type and the template text stay the same.
  struct TnMontadorGuardado {
    quint64 VersaoCampos = 0;
    int Tipo = 0;
    int TipoFolha = 0;
    QString Mascara;
    std::unique_ptr<TmVoxMontarDescricao> Montador;
  };
  std::map<const TnClientDataSet *, TnMontadorGuardado> FMontadores;
  // The filler for the current rows, made by `criar` when none fits.
  TmVoxMontarDescricao *MontadorDosDados(const std::function<std::unique_ptr<TmVoxMontarDescricao>()> &criar);
  // The pass's debit statements, prepared once each, by table.
  std::map<QString, std::unique_ptr<TnSQLDataSet>> FInstrucoes;
  // The template read of a pass, prepared once.
  struct TnLeituraModelo;
  std::unique_ptr<TnLeituraModelo> FSqlCfgDescr;
  TnFraProgresso *FProgresso = nullptr;
  int FSeqItem = 0;
  // The highest proposal number given in the run. Proposals take the next
  // one, so none ever shares a number, even after the financial pass made
  // an older proposal current again.
  qint64 FUltimaProposta = 0;
  // The financial pass under "Protocolo Único": each proposal's last item
  // number.
  std::map<qint64, int> FSeqDasPropostas;
  // The financial pass: the establishments (company, establishment) where
  // an office works.
  std::set<std::pair<int, int>> FEstabsEscritorio;
  // pTipoData as the financial sources read it: the issue date, else the
  // due date.
  bool FEmissaoFin = true;
  // "Gerado em" and the moment, as the last proposal got them.
  QDateTime FMomentoGerado;
  QString FTextoGerado;
  QDate FDataInicial;
  QDate FDataFinal;
  int FFormaGer = 2;
  QString FTituloTipo;
  int FTipo = 0;
  int FTipoFolha = 1;
  int FListarDebitos = 0;
  QString FColunaData;
  // pTipoData as the payroll sources read it: 1 the period's or document's
  // own date, anything else the pay date.
  int FTipoDataFolha = 1;
};
