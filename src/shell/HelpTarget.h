#pragma once

#include <QString>
#include <QUrl>

namespace zendaro {

// The help target: one address shared by every window that opens the help
// page. A caller sets it just before it opens the help window; the help
// window navigates to whatever it holds when it loads.

// The help page of an application folder: <folder>/HELP/KH.html.
QString HelpPagePath(const QString& appFolder);

// Sets the target to the help page of `appFolder` followed by `anchor`
// ("#HV", "#DG", "#DN", or empty for the top of the page).
void SetHelpTarget(const QString& appFolder, const QString& anchor);

// The target as set last: the page path with its anchor, if any.
QString HelpTarget();

// The target as an address the browser opens: a local file URL whose fragment
// is the anchor without its "#".
QUrl HelpTargetUrl();

} // namespace zendaro
