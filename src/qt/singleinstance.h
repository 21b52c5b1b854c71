#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace kvizar::gui {

// One game at a time per base.dat: two copies would start two companions writing the same
// file and each delete the other's. The first copy holds a lock; a second one finds it taken,
// asks the first to come to the front (SIGUSR1) and ends.
class SingleInstance : public QObject {
public:
    SingleInstance();
    ~SingleInstance() override;

    // Takes the lock named after `baseDir`. False when another running copy holds it; that
    // copy has then been asked to come to the front.
    bool claim(const QString &baseDir);
    // Called in the first copy each time another one asks it to come to the front.
    std::function<void()> onAsked;

    // The lock's file for `baseDir`, in the user's runtime directory.
    static QString lockPath(const QString &baseDir);

private:
    std::unique_ptr<QLockFile> lock_;
    QSocketNotifier *asked_ = nullptr;
};

}  // namespace kvizar::gui
