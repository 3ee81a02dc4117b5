#include "nMenuDecl_U.h"

#include "nActionList_U.h"

void nGerarActionsMenu(TnActionList &lista, const TnOnExecute &onExecute, const TnModulos &modulos,
                       const QString &nomeClasse, const QList<TnMenuDecl> &menus, const QString &verificaSelecao,
                       const TnDireitoMenu &direito) {
  for (const TnMenuDecl &menu : menus) {
    const TnPerModulo modulo = nOrdinalModulo(menu.Modulo);
    if (!modulos.Contem(modulo)) continue;

    TnAction &action = lista.CriarAction();
    action.SetCategory(menu.Category);
    action.SetCaption(menu.Caption);
    action.SetName(QStringLiteral("act") + nomeClasse);
    action.SetOnExecute(onExecute);

    if (menu.ImageIndex != 0) action.SetImageIndex(menu.ImageIndex);
    if (!menu.ShortCutStr.isEmpty()) action.SetShortCut(menu.ShortCutStr);
    if (menu.Index != 0) action.SetIndex(menu.Index);
    if (menu.Separador) action.SetSeparador(true);
    action.SetVerificaSelecao(verificaSelecao);
    if (menu.CriarHTTP) action.SetCriarHTTP(true);
    if (!menu.CriarMenu) action.SetCriarMenu(false);

    switch (direito.Regra) {
      case TnRegraDireito::Padrao:
        break;
      case TnRegraDireito::Consulta:
        if (modulo == nModuloMVox) action.SetControlaDireito(false);
        break;
      case TnRegraDireito::Livre:
        action.SetControlaDireito(false);
        break;
      case TnRegraDireito::Detalhe:
        action.SetControlaDireito(true);
        action.SetDireitoProprio(false);
        action.SetHashAcaoMestre(lista.GetHashComp().HashValue(QStringLiteral("act") + direito.ClasseMestre));
        break;
    }
  }
}
