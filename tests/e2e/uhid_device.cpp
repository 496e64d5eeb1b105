#include "uhid_device.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace e2e {

namespace {

static_assert(static_cast<int>(UhidReportType::Feature) == UHID_FEATURE_REPORT);
static_assert(static_cast<int>(UhidReportType::Output) == UHID_OUTPUT_REPORT);
static_assert(static_cast<int>(UhidReportType::Input) == UHID_INPUT_REPORT);

bool writeEvent(int fd, const uhid_event& event) {
    const ssize_t written = ::write(fd, &event, sizeof event);
    return written == static_cast<ssize_t>(sizeof event);
}

// Copies `text` into a fixed field, always leaving a terminator.
template <std::size_t N>
void copyText(__u8 (&field)[N], const std::string& text) {
    const std::size_t count = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), count);
    field[count] = 0;
}

}  // namespace

UhidDevice::~UhidDevice() {
    if (fd_ >= 0) {
        destroy();
        ::close(fd_);
    }
}

bool UhidDevice::openControl() {
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    return fd_ >= 0;
}

bool UhidDevice::create(const UhidDeviceSetup& setup) {
    if (fd_ < 0 || created_ || setup.descriptor.size() > HID_MAX_DESCRIPTOR_SIZE) {
        return false;
    }
    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req& request = event.u.create2;
    copyText(request.name, setup.name);
    copyText(request.phys, "e2e-uhid");
    copyText(request.uniq, setup.serial);
    request.rd_size = static_cast<__u16>(setup.descriptor.size());
    request.bus = setup.bus;
    request.vendor = setup.vendor;
    request.product = setup.product;
    request.version = setup.version;
    std::copy(setup.descriptor.begin(), setup.descriptor.end(), request.rd_data);
    created_ = writeEvent(fd_, event);
    return created_;
}

bool UhidDevice::destroy() {
    if (fd_ < 0 || !created_) {
        return false;
    }
    uhid_event event{};
    event.type = UHID_DESTROY;
    created_ = false;
    return writeEvent(fd_, event);
}

bool UhidDevice::sendInput(std::span<const std::uint8_t> report) {
    if (fd_ < 0 || !created_ || report.size() > UHID_DATA_MAX) {
        return false;
    }
    uhid_event event{};
    event.type = UHID_INPUT2;
    event.u.input2.size = static_cast<__u16>(report.size());
    std::copy(report.begin(), report.end(), event.u.input2.data);
    return writeEvent(fd_, event);
}

std::optional<UhidRequest> UhidDevice::read() {
    uhid_event event{};
    ssize_t got = -1;
    do {
        got = ::read(fd_, &event, sizeof event);
    } while (got < 0 && errno == EINTR);
    if (got < static_cast<ssize_t>(sizeof event.type)) {
        return std::nullopt;
    }
    UhidRequest request;
    switch (event.type) {
        case UHID_START:
            request.kind = UhidRequest::Kind::Start;
            break;
        case UHID_STOP:
            request.kind = UhidRequest::Kind::Stop;
            break;
        case UHID_OPEN:
            request.kind = UhidRequest::Kind::Open;
            break;
        case UHID_CLOSE:
            request.kind = UhidRequest::Kind::Close;
            break;
        case UHID_OUTPUT: {
            const uhid_output_req& output = event.u.output;
            request.kind = UhidRequest::Kind::Output;
            request.reportType = static_cast<UhidReportType>(output.rtype);
            request.data.assign(output.data,
                                output.data + std::min<std::size_t>(output.size, UHID_DATA_MAX));
            break;
        }
        case UHID_GET_REPORT:
            request.kind = UhidRequest::Kind::GetReport;
            request.id = event.u.get_report.id;
            request.reportNumber = event.u.get_report.rnum;
            request.reportType = static_cast<UhidReportType>(event.u.get_report.rtype);
            break;
        case UHID_SET_REPORT: {
            const uhid_set_report_req& set = event.u.set_report;
            request.kind = UhidRequest::Kind::SetReport;
            request.id = set.id;
            request.reportNumber = set.rnum;
            request.reportType = static_cast<UhidReportType>(set.rtype);
            request.data.assign(set.data,
                                set.data + std::min<std::size_t>(set.size, UHID_DATA_MAX));
            break;
        }
        default:
            request.kind = UhidRequest::Kind::Other;
            break;
    }
    return request;
}

bool UhidDevice::replyGetReport(std::uint32_t id, std::uint16_t error,
                                std::span<const std::uint8_t> data) {
    if (fd_ < 0 || data.size() > UHID_DATA_MAX) {
        return false;
    }
    uhid_event event{};
    event.type = UHID_GET_REPORT_REPLY;
    event.u.get_report_reply.id = id;
    event.u.get_report_reply.err = error;
    event.u.get_report_reply.size = static_cast<__u16>(data.size());
    std::copy(data.begin(), data.end(), event.u.get_report_reply.data);
    return writeEvent(fd_, event);
}

bool UhidDevice::replySetReport(std::uint32_t id, std::uint16_t error) {
    if (fd_ < 0) {
        return false;
    }
    uhid_event event{};
    event.type = UHID_SET_REPORT_REPLY;
    event.u.set_report_reply.id = id;
    event.u.set_report_reply.err = error;
    return writeEvent(fd_, event);
}

}  // namespace e2e
