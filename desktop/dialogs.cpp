// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/dialogs.h"

#include "band/frm_band.h"
#include "crosscheck/frm_nec_vergleich.h"
#include "curves/frm_eingabe.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora::qt {
namespace {

// One NEC-2 search at a time for a form that names it through four members: whether it wants
// one, for which generation, for which wire, and where the result goes.
template <auto kWanted, auto kGeneration, auto kWire, auto kFound, typename F>
void FollowOneSearch(QtPlatform& platform, NecRunnerSource runner, F& f, QObject* parent) {
  NecSearches::Model model;
  model.wanted = [&f] { return (f.*kWanted)(); };
  model.generation = [&f] { return (f.*kGeneration)(); };
  model.wires = [&f] { return std::vector<nec::Wire>{(f.*kWire)()}; };
  model.found = [&f](std::uint64_t generation, std::size_t,
                     const nec::Result<nec::Resonance>& result) {
    (f.*kFound)(generation, result);
  };
  new NecSearches(platform, std::move(runner), 1, std::move(model), parent);
}

}  // namespace

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
  FollowOneSearch<&FrmNecVergleich::Searching, &FrmNecVergleich::SearchGeneration,
                  &FrmNecVergleich::SearchWire, &FrmNecVergleich::SearchFinished>(
      platform, std::move(runner), f, dialog.get());
  return dialog;
}

namespace {

// The band window's NEC-2 side: one BandNecJob for the generation the model asks for, replaced
// (and so stopped) when it asks for another or none.
class BandWork : public QObject, public BackgroundWork {
 public:
  BandWork(QtPlatform& platform, band::FrmBand& form, NecRunnerSource runner, QObject* parent)
      : QObject(parent), platform_(platform), form_(form), runner_(std::move(runner)) {
    platform_.AddWork(this);
  }
  ~BandWork() override {
    platform_.RemoveWork(this);
    job_.reset();
  }

  void Follow() override {
    if (!form_.NecWanted()) {
      job_.reset();
      return;
    }
    if (job_ && generation_ == form_.NecGeneration()) return;
    job_.reset();
    generation_ = form_.NecGeneration();
    job_ = std::make_unique<band::BandNecJob>(
        runner_(), form_.NecInputs(), generation_,
        [this](std::uint64_t generation, nec::Result<band::NecBand> result) {
          QMetaObject::invokeMethod(
              this,
              [this, generation, result = std::move(result)]() mutable {
                form_.NecDone(generation, std::move(result));
                platform_.ModelChanged();
              },
              Qt::QueuedConnection);
        });
  }

 private:
  QtPlatform& platform_;
  band::FrmBand& form_;
  NecRunnerSource runner_;
  std::unique_ptr<band::BandNecJob> job_;
  std::uint64_t generation_ = 0;
};

}  // namespace

std::unique_ptr<FormDialog> MakeBandDialog(QtPlatform& platform, band::FrmBand& f,
                                           NecRunnerSource runner, QWidget* parent) {
  auto dialog = std::make_unique<FormDialog>(platform, f, f.Controls(), parent);
  dialog->setObjectName(QStringLiteral("frmBand"));
  new BandWork(platform, f, runner, dialog.get());
  // The trim's search at the measured resonance.
  FollowOneSearch<&band::FrmBand::TrimSearchWanted, &band::FrmBand::TrimSearchGeneration,
                  &band::FrmBand::TrimSearchWire, &band::FrmBand::TrimSearchDone>(
      platform, std::move(runner), f, dialog.get());
  return dialog;
}

}  // namespace velmora::qt
