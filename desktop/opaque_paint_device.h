// SPDX-License-Identifier: GPL-3.0-or-later
// A paint device that passes everything painted on it on to another painter with every colour
// made opaque: a translucent colour, bitmap or painter opacity is blended over a given
// background colour first. A print server's PostScript step turns a page with any transparency
// into one bitmap; on paper the blended colours look the same.
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <memory>

class QPainter;

namespace velmora::qt {

class OpaquePaintEngine;

class OpaquePaintDevice : public QPaintDevice {
 public:
  // `target` must be active; it keeps the resolution and size of its own device.
  OpaquePaintDevice(QPainter& target, QColor background);
  ~OpaquePaintDevice() override;
  OpaquePaintDevice(const OpaquePaintDevice&) = delete;
  OpaquePaintDevice& operator=(const OpaquePaintDevice&) = delete;

  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QPaintDevice& targetDevice_;
  std::unique_ptr<OpaquePaintEngine> engine_;
};

}  // namespace velmora::qt
