#include "desktop/dialogs.h"

#include "crosscheck/frm_nec_vergleich.h"
#include "curves/frm_eingabe.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::qt {

std::unique_ptr<FormDialog> MakeSingleValueDialog(QtPlatform& platform, FrmEinzelEingabe& f,
                                                  QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmEinzel_Eingabe"));
  return dialog;
}

std::unique_ptr<FormDialog> MakeCurveDialog(QtPlatform& platform, FrmEingabe& f, QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmEingabe"));
  return dialog;
}

std::unique_ptr<FormDialog> MakeNecDialog(QtPlatform& platform, FrmNecVergleich& f,
                                          NecRunnerSource runner, QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmNecVergleich"));
  NecSearches::Model searched;
  searched.wanted = [&f] { return f.Searching(); };
  searched.generation = [&f] { return f.SearchGeneration(); };
  searched.wires = [&f] { return std::vector<nec::Wire>{f.SearchWire()}; };
  searched.found = [&f](std::uint64_t generation, std::size_t,
                        const nec::Result<nec::Resonance>& result) {
    f.SearchFinished(generation, result);
  };
  new NecSearches(platform, std::move(runner), 1, std::move(searched), dialog.get());
  return dialog;
}

}  // namespace velmora::qt
