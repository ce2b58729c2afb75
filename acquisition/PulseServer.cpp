#include "acquisition/PulseServer.h"

#include "app/SoundIdentity.h"

#include <QCoreApplication>
#include <QPointer>

#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

PulseServer& PulseServer::Instance() {
  static QPointer<PulseServer> instance;
  if (!instance) {
    instance = new PulseServer;
    instance->setParent(QCoreApplication::instance());
  }
  return *instance;
}

PulseServer::PulseServer() {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &PulseServer::Connect);
}

PulseServer::~PulseServer() { Drop(); }

bool PulseServer::WaitReady(int ms) {
  if (!context_ && !ready_) Connect();
  loop_.RunUntil([this] { return ready_ || !context_; }, ms);
  return ready_;
}

// The library's callbacks must not wait for the library: what listens to
// these signals may open a stream and wait for it. So they are sent once
// the library's callback has returned.
template <typename Signal, typename... Args>
void PulseServer::EmitLater(Signal signal, Args... args) {
  QMetaObject::invokeMethod(
      this, [this, signal, args...] { (this->*signal)(args...); }, Qt::QueuedConnection);
}

QString PulseServer::LastError() const {
  return context_ ? QString::fromUtf8(pa_strerror(pa_context_errno(context_))) : problem_;
}

QString PulseServer::NoServerText(int error) {
  // Nothing listens where the server should be: the library's reason for
  // that (refused, or an address it cannot use) says nothing more.
  if (error == PA_ERR_CONNECTIONREFUSED || error == PA_ERR_INVALID || error == PA_ERR_NOENTITY)
    return tr("没有在运行的声音服务器");
  return tr("没有声音服务器（%1）").arg(QString::fromUtf8(pa_strerror(error)));
}

int PulseServer::LastErrorCode() const { return context_ ? pa_context_errno(context_) : PA_ERR_CONNECTIONTERMINATED; }

void PulseServer::Connect() {
  // An attempt made now (someone waits for the server) replaces the one that
  // was due: it would drop this connection.
  retry_.stop();
  Drop();
  pa_proplist* props = pa_proplist_new();
  pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, SoundIdentity::kName);
  pa_proplist_sets(props, PA_PROP_APPLICATION_ID, SoundIdentity::kId);
  pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, SoundIdentity::kIcon);
  pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, SoundIdentity::kRole);
  context_ = pa_context_new_with_proplist(loop_.Api(), SoundIdentity::kName, props);
  pa_proplist_free(props);
  if (!context_) {
    problem_ = tr("无法连接声音服务器");
    retry_.start();
    return;
  }
  pa_context_set_state_callback(
      context_, [](pa_context*, void* self) { static_cast<PulseServer*>(self)->OnStateChanged(); }, this);
  pa_context_set_subscribe_callback(
      context_, [](pa_context*, pa_subscription_event_type_t, uint32_t, void* self) {
        static_cast<PulseServer*>(self)->Refresh();
      },
      this);
  // The desktop starts its sound server; the program never starts one itself.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    problem_ = NoServerText(pa_context_errno(context_));
    Drop();
    retry_.start();
  }
}

void PulseServer::Drop() {
  ready_ = false;
  pendingQueries_ = 0;
  refreshAgain_ = false;
  if (!context_) return;
  pa_context_set_state_callback(context_, nullptr, nullptr);
  pa_context_set_subscribe_callback(context_, nullptr, nullptr);
  pa_context_disconnect(context_);
  pa_context_unref(context_);
  context_ = nullptr;
}

void PulseServer::OnStateChanged() {
  switch (pa_context_get_state(context_)) {
    case PA_CONTEXT_READY: {
      const auto mask = static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE |
                                                            PA_SUBSCRIPTION_MASK_SERVER);
      pa_operation_unref(pa_context_subscribe(context_, mask, nullptr, nullptr));
      Refresh();
      break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
      const bool wasReady = ready_;
      problem_ = NoServerText(pa_context_errno(context_));
      Drop();
      retry_.start();
      const bool hadDevices = !sources_.isEmpty() || !sinks_.isEmpty();
      sources_.clear();
      sinks_.clear();
      defaultSource_.clear();
      defaultSink_.clear();
      if (wasReady) EmitLater(&PulseServer::ReadyChanged, false);
      if (hadDevices) EmitLater(&AudioDevices::Changed);
      break;
    }
    default:
      break;
  }
}

void PulseServer::Refresh() {
  if (!context_ || pa_context_get_state(context_) != PA_CONTEXT_READY) return;
  // A change while the lists are being read asks again once they are in.
  if (pendingQueries_ > 0) {
    refreshAgain_ = true;
    return;
  }
  newSources_.clear();
  newSinks_.clear();
  pendingQueries_ = 3;
  pa_operation_unref(pa_context_get_server_info(
      context_,
      [](pa_context*, const pa_server_info* info, void* data) {
        auto* self = static_cast<PulseServer*>(data);
        if (info) {
          self->defaultSource_ = QByteArray(info->default_source_name ? info->default_source_name : "");
          self->defaultSink_ = QByteArray(info->default_sink_name ? info->default_sink_name : "");
        }
        self->OnListsDone();
      },
      this));
  pa_operation_unref(pa_context_get_source_info_list(
      context_,
      [](pa_context*, const pa_source_info* info, int eol, void* data) {
        auto* self = static_cast<PulseServer*>(data);
        if (eol != 0) return self->OnListsDone();
        // A sink's monitor is not an input of its own here, as in Qt's lists.
        if (info->monitor_of_sink == PA_INVALID_INDEX)
          self->newSources_.append({QByteArray(info->name), QString::fromUtf8(info->description)});
      },
      this));
  pa_operation_unref(pa_context_get_sink_info_list(
      context_,
      [](pa_context*, const pa_sink_info* info, int eol, void* data) {
        auto* self = static_cast<PulseServer*>(data);
        if (eol != 0) return self->OnListsDone();
        self->newSinks_.append({QByteArray(info->name), QString::fromUtf8(info->description)});
      },
      this));
}

void PulseServer::OnListsDone() {
  if (pendingQueries_ == 0 || --pendingQueries_ > 0) return;
  if (refreshAgain_) {
    refreshAgain_ = false;
    Refresh();
    return;
  }
  const bool changed = newSources_ != sources_ || newSinks_ != sinks_;
  sources_ = newSources_;
  sinks_ = newSinks_;
  if (!ready_) {
    ready_ = true;
    problem_.clear();
    EmitLater(&PulseServer::ReadyChanged, true);
  }
  if (changed) EmitLater(&AudioDevices::Changed);
}
