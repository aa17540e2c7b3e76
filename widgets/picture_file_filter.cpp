#include "widgets/picture_file_filter.h"

#include <QStringList>

#include "codecs/registry.h"

namespace qm {

QString readablePictureFilter() {
    QStringList all, each;
    for (const auto& format : codecs::formats()) {
        if (!format.decode) continue;
        QStringList patterns;
        for (const auto& extension : format.extensions) patterns << "*." + QString::fromStdString(extension);
        all << patterns;
        each << QString::fromStdString(format.name) + " (" + patterns.join(' ') + ")";
    }
    all.removeDuplicates();
    return "All pictures (" + all.join(' ') + ");;" + each.join(";;") + ";;All files (*)";
}

}  // namespace qm
