#include "platform/controls/pic_box.h"

#include <QBuffer>
#include <QMovie>
#include <QPainter>
#include <memory>

#include "platform/controls/picture.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class PicBox::View : public QWidget {
 public:
  explicit View(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }

  void SetBytes(const ByteSet& bytes) {
    bytes_ = bytes;
    movie_.reset();
    buffer_.reset();
    data_.clear();
    frame_ = DecodePicture(bytes_);
    if (!frame_.isNull() && IsAnimatedPicture(bytes_)) {
      data_ = QByteArray(reinterpret_cast<const char*>(bytes_.data()),
                         static_cast<qsizetype>(bytes_.size()));
      buffer_ = std::make_unique<QBuffer>(&data_);
      buffer_->open(QIODevice::ReadOnly);
      movie_ = std::make_unique<QMovie>(buffer_.get());
      QObject::connect(movie_.get(), &QMovie::frameChanged, this, [this] {
        frame_ = movie_->currentImage();
        update();
      });
      movie_->start();
    }
    update();
  }
  const ByteSet& Bytes() const { return bytes_; }
  bool HasFrame() const { return !frame_.isNull(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (frame_.isNull()) return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), QPixmap::fromImage(frame_));
  }

 private:
  ByteSet bytes_;
  QImage frame_;
  QByteArray data_;
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QMovie> movie_;
};

PicBox::PicBox(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kPicBox, new View(parent)) {
  view_ = static_cast<View*>(Widget());
}

void PicBox::SetPicture(const ByteSet& bytes) {
  CallOnUi([&] { view_->SetBytes(bytes); });
}

ByteSet PicBox::Picture() const {
  return CallOnUi([&] { return view_->Bytes(); });
}

bool PicBox::ShowsPicture() const {
  return CallOnUi([&] { return view_->HasFrame(); });
}

}  // namespace vexo
