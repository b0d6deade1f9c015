// The handlers of the input pages 0, 1, 2, 6, 7 and 8.
#include "Tarvolingrade_u.h"

#include "TabBalk.h"

#include <QComboBox>
#include <QScrollArea>

#include <array>
#include <utility>

void TFrmHoofdFormulier::CbxModuleChange() {
    const QString t = CbxModule->currentText().toUpper();
    ModuleBEX = t.contains(QLatin1String("BEX"));
    ModuleBEA = t.contains(QLatin1String("BEA"));
    ModuleBEP = t.contains(QLatin1String("BEP"));
    ModuleBEN = t.contains(QLatin1String("BEN"));
    Diercategorie = t.contains(QLatin1String("JONGVEE")) ? QStringLiteral("JV") : QStringLiteral("MK");

    const std::array<std::pair<int, bool>, 6> modulePaginas = {{
        {6, ModuleBEA},
        {10, ModuleBEA},
        {7, ModuleBEP},
        {11, ModuleBEP},
        {8, ModuleBEN},
        {12, ModuleBEN},
    }};
    for (const auto& [pagina, zichtbaar] : modulePaginas) {
        TabTarvolingrader->setTabVisible(pagina, zichtbaar);
        ScrollBoxen[static_cast<std::size_t>(pagina)]->setVisible(zichtbaar);
    }
    VoorraadModuleWijziging();
    TabTarvolingrader->TabBalk()->update();
}

void TFrmHoofdFormulier::RbtMstafvStandClick() {}

void TFrmHoofdFormulier::BerekenGraasdieren() {}

void TFrmHoofdFormulier::SpeDrijfBouwChange() {}
