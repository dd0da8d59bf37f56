#pragma once
// TFileAssociate: the description of one file type, written into HKEY_CLASSES_ROOT so that the
// desktop shell opens files of the type with the program: the program's own type key, the
// extension key, and the icon and open command of the type the extension names.

#include "shell/ClassesRoot.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace shell {

class TFileAssociate : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString KeyName MEMBER KeyName)
    Q_PROPERTY(QString PathToApp MEMBER PathToApp)
    Q_PROPERTY(QString IconPath MEMBER IconPath)
    Q_PROPERTY(qint32 Icon MEMBER Icon)
    Q_PROPERTY(QString ShellCmd MEMBER ShellCmd)
    Q_PROPERTY(QString Shell MEMBER Shell)
    Q_PROPERTY(QString TypeName MEMBER TypeName)
    Q_PROPERTY(bool ShowInNew MEMBER ShowInNew)
    Q_PROPERTY(bool QuickView MEMBER QuickView)

  public:
    explicit TFileAssociate(RegistrySource registry = {}, QObject* owner = nullptr);

    // Setting a property only stores it; the operations read them when they run.
    QString KeyName;   // the program's own type key
    QString PathToApp; // for callers; no operation reads it
    QString IconPath;
    qint32 Icon = 0; // index of the icon within IconPath
    QString ShellCmd = QStringLiteral("Open");
    QString Shell; // command line of the ShellCmd verb
    QString TypeName;
    bool ShowInNew = false; // offer the extension in the shell's "New" menu
    bool QuickView = false; // mark the type for the shell's quick viewer

    // Each writing operation ends the moment a write fails (platform::RegistryError, naming the
    // value), keeping what it wrote before and without the shell notification.
    void WriteTypeKey();
    void AssociateExtension(const QString& extension); // `extension` must not be empty
    // The extensions whose type opens with this program; the shell is not notified.
    QStringList AssociatedExtensions() const;

    static QString NormalizeExtension(const QString& text); // "label.TLR", "TLR" -> ".TLR"
    static QString StripExtensionDot(const QString& text);  // ".TLR" -> "TLR"

    const RegistrySource& Registry() const { return registry_; }

  signals:
    // The shell's notification that file associations changed.
    void AssociationsChanged();

  private:
    enum class QuickViewOff { DeleteKey, LeaveAlone };
    QString IconReference() const;
    QString CommandKey(const QString& type) const;
    void DescribeType(ClassesRoot& root, const QString& type, QuickViewOff off) const;
    void TakeOverType(ClassesRoot& root, const QString& type) const;
    void WriteQuickView(ClassesRoot& root, const QString& type, QuickViewOff off) const;
    void AssociateKnownExtension(ClassesRoot& root, const QString& extension) const;
    void AssociateNewExtension(ClassesRoot& root, const QString& extension) const;
    void Finish(ClassesRoot& root);

    RegistrySource registry_;
};

} // namespace shell
