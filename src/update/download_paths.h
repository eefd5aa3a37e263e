#pragma once
// Where downloaded update files go.
#include <string>

// "UpdateData" in the user's cache folder ($XDG_CACHE_HOME/kvelm, else ~/.cache/kvelm),
// created with owner-only access when missing; "" when it cannot be made. A per-user folder
// rather than the shared temporary folder, so no other user can plant a file to be run.
std::string DefaultDownloadFolder();

// The local file of an item: the folder, the display name made safe as a file name (no
// "/", no leading ".", no control characters; "update" when nothing is left) and the
// extension of the download URL's last path segment, if it has a short one.
std::string LocalUpdateFile(const std::string& folder, const std::string& displayName,
                            const std::string& url);
