#include <gtest/gtest.h>

#include "app/document.h"

namespace qm {
namespace {

TEST(Document, UndoRestoresAndKeepsTheStep) {
    Document doc;
    doc.newPicture(Image(4, 4, {1, 1, 1}), "a.png");
    EXPECT_FALSE(doc.canUndo());
    doc.saveUndoStep();
    doc.setWorking(Image(2, 2, {9, 9, 9}));
    doc.undo();
    EXPECT_EQ(doc.working().width(), 4);
    doc.setWorking(Image(2, 2, {9, 9, 9}));
    doc.undo();
    EXPECT_EQ(doc.working().width(), 4);
    EXPECT_TRUE(doc.canUndo());
}

TEST(Document, PictureOnePixelWideSavesNoStep) {
    Document doc;
    doc.newPicture(Image(1, 5, {1, 1, 1}), "a.png");
    doc.saveUndoStep();
    EXPECT_FALSE(doc.canUndo());
}

}  // namespace
}  // namespace qm
