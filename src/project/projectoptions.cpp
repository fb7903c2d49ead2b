#include "projectoptions.h"
#include "tinifil.h"

namespace lumaro {

namespace {
const QString kFileUrl = QStringLiteral("file:///");
}

ProjectOptions ProjectOptions::read(const tinifil &file)
{
    ProjectOptions o;
    o.autoUrl = file.readauto();
    o.convChar = file.readconvchar();
    o.useRoot = file.readuseroot();
    o.root = file.readroot();
    o.useImageRoot = file.readuseimageroot();
    o.imageRoot = file.readimageroot();
    o.checkExternal = file.readcheckexternal();
    return o;
}

bool ProjectOptions::write(tinifil &file) const
{
    return file.writeauto(autoUrl) && file.writeconvchar(convChar) && file.writeuseroot(useRoot)
        && file.writeuseimageroot(useImageRoot) && file.writeroot(root)
        && file.writeimageroot(imageRoot) && file.writecheckexternal(checkExternal);
}

DirectoryChoice DirectoryChoice::fromText(const QString &text)
{
    if (text.startsWith(kFileUrl))
        return {text.mid(kFileUrl.size()), true};
    return {text, false};
}

QString DirectoryChoice::toText() const
{
    return useFileUrl ? kFileUrl + directory : directory;
}

} // namespace lumaro
