#include "hid/hid_device.h"

#include <cerrno>

#include "hid/hid_open_interface.h"
#include "hid/report_items.h"

namespace {

HidOpenError OpenErrorFromErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return HidOpenError::AccessDenied;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return HidOpenError::NotFound;
    default:
        return HidOpenError::Failed;
    }
}

}  // namespace

CHidDevice::CHidDevice() = default;

CHidDevice::~CHidDevice() {
    Close();
    ClearPaths();
}

bool CHidDevice::Enumerate() {
    cursor_ = 0;
    paths_.clear();
    pathsHeld_ = false;
    std::vector<std::string> paths;
    paths.reserve(8);
    for (const std::shared_ptr<IHidBackend>& backend : HidBackendsSnapshot()) {
        // A partial list would look like devices that went away: fail the whole pass.
        if (!backend->Enumerate(paths)) return false;
    }
    paths_ = std::move(paths);
    pathsHeld_ = true;
    return true;
}

const std::string* CHidDevice::NextPath() {
    if (!pathsHeld_ || cursor_ >= paths_.size()) return nullptr;
    return &paths_[cursor_++];
}

void CHidDevice::ClearPaths() {
    paths_.clear();
    paths_.shrink_to_fit();
    pathsHeld_ = false;
    cursor_ = 0;
}

bool CHidDevice::Open(const std::string& path, bool readAccess, bool writeAccess, bool overlapped,
                      bool exclusive) {
    std::lock_guard<std::mutex> lifecycle(lifecycleLock_);
    CloseLocked();
    readAccess_ = readAccess;
    writeAccess_ = writeAccess;
    overlapped_ = overlapped;
    exclusive_ = exclusive;
    devicePath_ = path;
    gone_ = false;
    caps_ = HidCaps{};
    attributes_ = HidAttributes{};
    interfaceNumber_ = collectionNumber_ = 0;
    lastOpenError_ = HidOpenError::None;

    std::shared_ptr<IHidBackend> backend;
    for (const std::shared_ptr<IHidBackend>& candidate : HidBackendsSnapshot()) {
        if (candidate->Handles(path)) {
            backend = candidate;
            break;
        }
    }
    if (!backend) {
        lastOpenError_ = HidOpenError::NoBackend;
        return false;
    }
    errno = 0;
    std::shared_ptr<IHidConnection> connection = backend->Open(path, readAccess, writeAccess, exclusive);
    if (!connection) {
        lastOpenError_ = OpenErrorFromErrno(errno);
        return false;
    }
    lastOpenError_ = BuildInterfaceDescription(path, *connection);
    if (lastOpenError_ != HidOpenError::None) {
        ReleaseReportSets();
        caps_ = HidCaps{};
        return false;
    }

    auto state = std::make_shared<OpenInterface>();
    state->connection = std::move(connection);
    state->canRead = readAccess;
    state->canWrite = writeAccess;
    state->usesReportIds = collection_.usesReportIds;
    for (uint8_t id : collection_.reportIds) state->ownReportIds[id] = true;
    state->inputReportLength = caps_.inputReportByteLength;
    // A stop signalled for the previous interface does not carry over to this one.
    stop_.Reset();
    std::lock_guard<std::mutex> guard(openLock_);
    open_ = std::move(state);
    return true;
}

HidOpenError CHidDevice::BuildInterfaceDescription(const std::string& path,
                                                   const IHidConnection& connection) {
    std::vector<HidTopCollection> collections = ParseReportDescriptor(connection.ReportDescriptor());
    if (collections.empty()) return HidOpenError::BadDescriptor;
    const uint16_t collectionNumber = ParseCollectionNumber(path);
    size_t index = 0;
    if (collectionNumber == 0) {
        // Without a collection token the interface must have exactly one collection.
        if (collections.size() != 1) return HidOpenError::NoSuchCollection;
    } else {
        if (collectionNumber > collections.size()) return HidOpenError::NoSuchCollection;
        index = collectionNumber - 1u;
    }
    std::lock_guard<std::mutex> guard(descriptionLock_);
    collection_ = std::move(collections[index]);
    described_ = true;
    caps_ = collection_.caps;
    attributes_.vendorId = connection.VendorId();
    attributes_.productId = connection.ProductId();
    attributes_.versionNumber = connection.VersionNumber();
    inputReport_.assign(caps_.inputReportByteLength, 0);
    outputReport_.assign(caps_.outputReportByteLength, 0);
    featureReport_.assign(caps_.featureReportByteLength, 0);
    inputItems_ = BuildReportItems(collection_, HidReportType::Input);
    outputItems_ = BuildReportItems(collection_, HidReportType::Output);
    featureItems_ = BuildReportItems(collection_, HidReportType::Feature);
    interfaceNumber_ = ParseInterfaceNumber(path);
    collectionNumber_ = collectionNumber;
    return HidOpenError::None;
}

void CHidDevice::Close() {
    std::lock_guard<std::mutex> lifecycle(lifecycleLock_);
    CloseLocked();
}

void CHidDevice::CloseLocked() {
    std::shared_ptr<OpenInterface> state;
    {
        std::unique_lock<std::mutex> lock(openLock_);
        state = std::move(open_);
        open_.reset();
        if (state) state->closed.Set();
        // Calls in flight wake on the closed event and return; only then may the report
        // buffers they could be filling go away.
        ioIdle_.wait(lock, [this] { return ioInFlight_ == 0; });
    }
    if (state) ReleaseReportSets();
    // The connection closes when the last reference (here, or a finishing call) drops.
}

void CHidDevice::ReleaseReportSets() {
    std::lock_guard<std::mutex> guard(descriptionLock_);
    described_ = false;
    inputReport_.clear();
    outputReport_.clear();
    featureReport_.clear();
    inputItems_.clear();
    outputItems_.clear();
    featureItems_.clear();
    collection_ = HidTopCollection{};
}

bool CHidDevice::IsOpen() const {
    std::lock_guard<std::mutex> guard(openLock_);
    return open_ != nullptr;
}

bool CHidDevice::DeviceGone() const {
    return gone_;
}

bool CHidDevice::UnpackInputReport(const uint8_t* report, size_t length,
                                   std::vector<HidDataItem>& items) const {
    // An input worker may unpack while another thread closes the interface: the items and
    // the collection stay whole until the unpacking is done.
    std::lock_guard<std::mutex> guard(descriptionLock_);
    if (!described_) return false;
    return UnpackReportItems(collection_, report, length, items);
}

bool CHidDevice::IsPresent(const std::string& path) {
    for (const std::shared_ptr<IHidBackend>& backend : HidBackendsSnapshot()) {
        if (backend->Handles(path)) return backend->IsPresent(path);
    }
    return false;
}
