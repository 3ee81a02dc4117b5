#pragma once

#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "mVoxDPGerarProtocoloBase_U.h"
#include "mvoxpk_export.h"
#include "nToolButton_U.h"

class TmVoxMontarDescricao;
class TnClientDataSet;
class TnFraProgresso;
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
  // One walk of the financial source over the establishments of `lista`,
  // from its first row: mode 0 by office, 1 by client. Nothing while the
  // program has no financial source.
  virtual void PercorrerEstabsFinanceiro(TnClientDataSet &lista, int modo);

 private:
  void GerarProtocolosDebitos();
  void GerarProtocolosFinanceiro();
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
  // The description filler of the listing being built: made once for the
  // template and the source rows, it describes each row in turn.
  std::unique_ptr<TmVoxMontarDescricao> FMontador;
  // The pass's debit statements, prepared once each, by table.
  std::map<QString, std::unique_ptr<TnSQLDataSet>> FInstrucoes;
  // The template read of a pass, prepared once.
  struct TnLeituraModelo;
  std::unique_ptr<TnLeituraModelo> FSqlCfgDescr;
  TnFraProgresso *FProgresso = nullptr;
  int FSeqItem = 0;
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
