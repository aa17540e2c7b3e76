#pragma once
#include <QAbstractScrollArea>

namespace qm {

class Document;

// Shows the working image at the document's zoom on a silver background and
// lets the user drag a rectangle selection.
class PictureView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PictureView(Document& document, QWidget* parent = nullptr);
    void pictureChanged();  // size, pixels or zoom changed

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Document& document_;
};

}  // namespace qm
