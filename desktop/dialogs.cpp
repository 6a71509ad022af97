// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/dialogs.h"

#include "band/frm_band.h"
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
  NecSearches::Model trim;
  trim.wanted = [&f] { return f.TrimSearchWanted(); };
  trim.generation = [&f] { return f.TrimSearchGeneration(); };
  trim.wires = [&f] { return std::vector<nec::Wire>{f.TrimSearchWire()}; };
  trim.found = [&f](std::uint64_t generation, std::size_t,
                    const nec::Result<nec::Resonance>& result) {
    f.TrimSearchDone(generation, result);
  };
  new NecSearches(platform, std::move(runner), 1, std::move(trim), dialog.get());
  return dialog;
}

}  // namespace velmora::qt
