#include "mVoxSDadosBaixa_U.h"

#include <QDate>
#include <QTime>

#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nException_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nSQLFuncoes_U.h"

namespace {

// USUARIOEXT holds at most this many characters.
constexpr int kTamanhoResponsavel = 50;

QDate LerData(const QString &texto) { return QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy")); }

QTime LerHora(const QString &texto) {
  const QString limpo = texto.trimmed();
  QTime hora = QTime::fromString(limpo, QStringLiteral("H:mm"));
  if (!hora.isValid()) hora = QTime::fromString(limpo, QStringLiteral("H:mm:ss"));
  return hora;
}

bool UsuarioCadastrado(int codigo) {
  return codigo > 0 && nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("USUARIO"), QStringLiteral("CODIGOUSUARIO"),
                                                         QStringLiteral("CODIGOUSUARIO = ") + ValorParaSQL(codigo));
}

}  // namespace

bool PegarDadosBaixa(int natureza, QString &usuarioExt, int &codigoUsuarioInt, QDateTime &dataHoraEntrega, int empresa,
                     int estab) {
  const bool saida = natureza == 1;
  TnFrmDlgScrollBox dlg(QStringLiteral("Baixa do Protocolo - Empresa %1, Filial %2").arg(empresa).arg(estab), 470, 230);

  // The one who hands the documents over comes first.
  auto criarUsuario = [&] {
    return dlg.CriarControlsFraFields(saida ? QStringLiteral("Usuário Entrega") : QStringLiteral("Usuário Recebimento"),
                                      TnTipoFraControle::Inteiro, 6, QStringLiteral("CODIGOUSUARIO"),
                                      saida ? QStringLiteral("Informe o usuário que entregou os documentos")
                                            : QStringLiteral("Informe o usuário que recebeu os documentos"));
  };
  auto criarResponsavel = [&] {
    return dlg.CriarControlsFraFields(
        saida ? QStringLiteral("Responsável Recebimento") : QStringLiteral("Responsável Entrega"),
        TnTipoFraControle::Texto, kTamanhoResponsavel, QString(),
        saida ? QStringLiteral("Informe quem recebeu os documentos")
              : QStringLiteral("Informe quem entregou os documentos"));
  };
  TnFraControle *usuario = nullptr;
  TnFraControle *responsavel = nullptr;
  if (saida) {
    usuario = criarUsuario();
    responsavel = criarResponsavel();
  } else {
    responsavel = criarResponsavel();
    usuario = criarUsuario();
  }
  TnFraControle *data = dlg.CriarControlsFraFields(QStringLiteral("Data Entrega"), TnTipoFraControle::Texto, 10,
                                                   QString(), QStringLiteral("Informe a data da entrega (dd/mm/aaaa)"));
  TnFraControle *hora = dlg.CriarControlsFraFields(QStringLiteral("Hora Entrega"), TnTipoFraControle::Texto, 8,
                                                   QString(), QStringLiteral("Informe a hora da entrega (hh:mm)"));
  dlg.AlinharControls();

  const QDateTime inicial = dataHoraEntrega.isValid() ? dataHoraEntrega : nDMConexao()->Now();
  usuario->SetAsInteger(codigoUsuarioInt > 0 ? codigoUsuarioInt : nDMConexao()->CodigoUsuario());
  responsavel->SetAsString(usuarioExt);
  data->SetAsString(inicial.date().toString(QStringLiteral("dd/MM/yyyy")));
  hora->SetAsString(inicial.time().toString(QStringLiteral("HH:mm")));

  QString pessoaLida;
  int usuarioLido = 0;
  QDateTime momentoLido;
  dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &) {
    if (sender.ModalResult() != mrOk) return;
    const QString pessoa = responsavel->GetAsString().trimmed();
    if (pessoa.isEmpty())
      throw Exception(saida ? QStringLiteral("Informe o responsável pelo recebimento.")
                            : QStringLiteral("Informe o responsável pela entrega."));
    if (pessoa.size() > kTamanhoResponsavel)
      throw Exception(QStringLiteral("O responsável deve ter no máximo %1 caracteres.").arg(kTamanhoResponsavel));
    const int codigo = usuario->GetAsInteger();
    if (codigo <= 0)
      throw Exception(saida ? QStringLiteral("Informe o usuário que entregou os documentos.")
                            : QStringLiteral("Informe o usuário que recebeu os documentos."));
    if (!UsuarioCadastrado(codigo)) throw Exception(QStringLiteral("Usuário não cadastrado."));
    const QDate dia = LerData(data->GetAsString());
    if (!dia.isValid()) throw Exception(QStringLiteral("Data de entrega inválida."));
    const QTime instante = LerHora(hora->GetAsString());
    if (!instante.isValid()) throw Exception(QStringLiteral("Hora de entrega inválida."));
    pessoaLida = pessoa;
    usuarioLido = codigo;
    momentoLido = QDateTime(dia, instante);
  };

  if (dlg.ShowModal() != mrOk) return false;
  usuarioExt = pessoaLida;
  codigoUsuarioInt = usuarioLido;
  dataHoraEntrega = momentoLido;
  return true;
}
