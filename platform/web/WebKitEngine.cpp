// The only translation unit that includes WebKitGTK: everything GTK and WebKit happens
// on the engine's own thread, which runs the GTK main loop; the interface's calls post
// work to it and return.
#include "platform/web/WebKitEngine.h"

#include <webkit2/webkit2.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <future>
#include <map>
#include <mutex>
#include <thread>

namespace platform::web {

namespace {

// Bound functions reach native code through a synchronous request to this scheme,
// so the page's script waits for the value as a function call would.
const char kCallScheme[] = "wkenative";
const unsigned kRenderIntervalMs = 30;

const char kBridgeScript[] =
    "(function(){if(window.__wkeNative)return;"
    "window.__wkeNative=function(name,args){"
    "var q=[encodeURIComponent(name)];"
    "for(var i=0;i<args.length;++i){var a=args[i],t=typeof a;"
    "q.push(t==='string'?'s'+encodeURIComponent(a):t==='number'?'n'+a:t==='boolean'?'b'+(a?1:0):'u');}"
    "var x=new XMLHttpRequest();x.open('GET','wkenative://call/?'+q.join('&'),false);x.send();"
    "var r=x.responseText,k=r.charAt(0),v=r.substring(1);"
    "return k==='s'?v:k==='n'?Number(v):k==='b'?v==='1':undefined;};})();";

std::string QuoteScript(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

std::string DefinitionScript(const std::string& name) {
  return std::string(kBridgeScript) + "window[" + QuoteScript(name) + "]=function(){return window.__wkeNative(" +
         QuoteScript(name) + ",arguments);};";
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescape(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && Hex(text[i + 1]) >= 0 && Hex(text[i + 2]) >= 0) {
      plain += static_cast<char>(Hex(text[i + 1]) * 16 + Hex(text[i + 2]));
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

// "name&sTEXT&n12&b1&u" after the "?" of a call URL.
bool ParseCall(const std::string& uri, std::string* name, std::vector<ScriptValue>* args) {
  const size_t query = uri.find('?');
  if (query == std::string::npos) return false;
  std::vector<std::string> parts;
  size_t start = query + 1;
  for (;;) {
    const size_t amp = uri.find('&', start);
    parts.push_back(uri.substr(start, amp == std::string::npos ? std::string::npos : amp - start));
    if (amp == std::string::npos) break;
    start = amp + 1;
  }
  *name = Unescape(parts[0]);
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const char kind = part.empty() ? 'u' : part[0];
    const std::string value = Unescape(part.size() > 1 ? part.substr(1) : std::string());
    if (kind == 's') {
      args->push_back(ScriptValue::FromString(value));
    } else if (kind == 'n') {
      args->push_back(ScriptValue::FromNumber(std::strtod(value.c_str(), nullptr)));
    } else if (kind == 'b') {
      args->push_back(ScriptValue::FromBoolean(value == "1"));
    } else {
      args->push_back(ScriptValue());
    }
  }
  return !name->empty();
}

std::string AnswerText(const ScriptValue& value) {
  switch (value.kind) {
    case ScriptValue::String:
      return "s" + value.text;
    case ScriptValue::Number: {
      char buffer[40];
      std::snprintf(buffer, sizeof buffer, "n%.17g", value.number);
      return buffer;
    }
    case ScriptValue::Boolean:
      return value.number != 0 ? "b1" : "b0";
    default:
      return "u";
  }
}

// Pages are local files; the program opens nothing else inside a view.
bool AllowedNavigation(const char* uri) {
  return uri != nullptr && (g_str_has_prefix(uri, "file:") || g_str_has_prefix(uri, "about:") ||
                            g_str_has_prefix(uri, "data:"));
}

unsigned GdkModifiers(unsigned flags) {
  unsigned state = 0;
  if (flags & 0x0004) state |= GDK_SHIFT_MASK;
  if (flags & 0x0008) state |= GDK_CONTROL_MASK;
  if (flags & 0x0001) state |= GDK_BUTTON1_MASK;
  if (flags & 0x0010) state |= GDK_BUTTON2_MASK;
  if (flags & 0x0002) state |= GDK_BUTTON3_MASK;
  return state;
}

guint KeyvalOf(unsigned vk) {
  if (vk >= 'A' && vk <= 'Z') return GDK_KEY_a + (vk - 'A');
  if (vk >= '0' && vk <= '9') return GDK_KEY_0 + (vk - '0');
  switch (vk) {
    case 0x08: return GDK_KEY_BackSpace;
    case 0x09: return GDK_KEY_Tab;
    case 0x0D: return GDK_KEY_Return;
    case 0x1B: return GDK_KEY_Escape;
    case 0x20: return GDK_KEY_space;
    case 0x21: return GDK_KEY_Page_Up;
    case 0x22: return GDK_KEY_Page_Down;
    case 0x23: return GDK_KEY_End;
    case 0x24: return GDK_KEY_Home;
    case 0x25: return GDK_KEY_Left;
    case 0x26: return GDK_KEY_Up;
    case 0x27: return GDK_KEY_Right;
    case 0x28: return GDK_KEY_Down;
    case 0x2E: return GDK_KEY_Delete;
    default: return gdk_unicode_to_keyval(vk);
  }
}

class WebKitEngine;

struct ViewState {
  WebKitEngine* engine = nullptr;
  int id = 0;
  std::shared_ptr<EngineViewEvents> events;
  GtkWidget* window = nullptr;
  WebKitWebView* view = nullptr;
  WebKitUserContentManager* content = nullptr;
  int width = 0;
  int height = 0;
  unsigned load = 0;
  bool failed = false;
  bool dirty = true;
};

class WebKitEngine : public WebEngine, public std::enable_shared_from_this<WebKitEngine> {
 public:
  ~WebKitEngine() override { Stop(); }

  bool Start(std::string* reason) override {
    if (std::getenv("DISPLAY") == nullptr || *std::getenv("DISPLAY") == '\0') {
      *reason = "no display for GTK";
      return false;
    }
    std::promise<std::string> started;
    std::future<std::string> result = started.get_future();
    thread_ = std::thread([this, &started] { Run(started); });
    *reason = result.get();
    if (!reason->empty()) {
      thread_.join();
      return false;
    }
    running_ = true;
    return true;
  }

  void Stop() override {
    if (!running_.exchange(false)) return;
    Post([this] {
      for (auto& entry : views_) DropView(entry.second);
      views_.clear();
      if (web_ != nullptr) g_object_unref(web_);
      web_ = nullptr;
      g_main_loop_quit(loop_);
    });
    if (thread_.joinable()) thread_.join();
    contextReady_ = false;
  }

  int CreateView(std::shared_ptr<EngineViewEvents> events) override {
    const int id = nextId_++;
    Post([this, id, events] { MakeView(id, events); });
    return id;
  }

  void DestroyView(int view) override {
    Post([this, view] {
      auto found = views_.find(view);
      if (found == views_.end()) return;
      DropView(found->second);
      views_.erase(found);
    });
  }

  void Resize(int view, int width, int height) override {
    OnView(view, [width, height](ViewState& state) {
      state.width = width;
      state.height = height;
      gtk_widget_set_size_request(GTK_WIDGET(state.view), width > 0 ? width : 1, height > 0 ? height : 1);
      gtk_window_resize(GTK_WINDOW(state.window), width > 0 ? width : 1, height > 0 ? height : 1);
      state.dirty = true;
    });
  }

  void Load(int view, unsigned load, const std::string& url) override {
    OnView(view, [load, url](ViewState& state) {
      state.load = load;
      webkit_web_view_load_uri(state.view, url.c_str());
    });
  }

  void RunScript(int view, const std::string& script) override {
    OnView(view, [script](ViewState& state) {
      webkit_web_view_evaluate_javascript(state.view, script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                          nullptr, nullptr, nullptr, nullptr);
    });
  }

  void SetUserAgent(int view, const std::string& userAgent) override {
    OnView(view, [userAgent](ViewState& state) {
      webkit_settings_set_user_agent(webkit_web_view_get_settings(state.view), userAgent.c_str());
    });
  }

  void Mouse(int view, const MouseInput& input) override {
    OnView(view, [input](ViewState& state) { SendMouse(state, input); });
  }

  void Wheel(int view, const WheelInput& input) override {
    OnView(view, [input](ViewState& state) {
      GdkEvent* event = NewEvent(state, GDK_SCROLL);
      event->scroll.x = input.x;
      event->scroll.y = input.y;
      event->scroll.direction = input.delta > 0 ? GDK_SCROLL_UP : GDK_SCROLL_DOWN;
      event->scroll.state = GdkModifiers(input.flags);
      Deliver(state, event);
    });
  }

  void ContextMenu(int view, int x, int y, unsigned flags) override {
    Mouse(view, MouseInput{0x204, x, y, flags});
    Mouse(view, MouseInput{0x205, x, y, flags});
  }

  void Key(int view, const KeyInput& input) override {
    if (input.kind == KeyInput::Press) return;  // GTK makes the text from the key press itself
    OnView(view, [input](ViewState& state) {
      GdkEvent* event = NewEvent(state, input.kind == KeyInput::Down ? GDK_KEY_PRESS : GDK_KEY_RELEASE);
      event->key.keyval = KeyvalOf(input.code);
      GdkKeymapKey* keys = nullptr;
      gint count = 0;
      if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                            event->key.keyval, &keys, &count) &&
          count > 0) {
        event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
      }
      g_free(keys);
      Deliver(state, event);
    });
  }

  void Focus(int view, bool focused) override {
    OnView(view, [focused](ViewState& state) {
      if (focused) gtk_widget_grab_focus(GTK_WIDGET(state.view));
      GdkEvent* event = NewEvent(state, GDK_FOCUS_CHANGE);
      event->focus_change.in = focused ? TRUE : FALSE;
      Deliver(state, event);
    });
  }

  void BindName(const std::string& name) override {
    Post([this, name] {
      names_.push_back(name);
      const std::string script = DefinitionScript(name);
      for (auto& entry : views_) {
        AddUserScript(entry.second, script);
        webkit_web_view_evaluate_javascript(entry.second.view, script.c_str(), static_cast<gssize>(script.size()),
                                            nullptr, nullptr, nullptr, nullptr, nullptr);
      }
    });
  }

 private:
  void Run(std::promise<std::string>& started) {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) {
      started.set_value("GTK cannot open the display");
      return;
    }
    context_ = g_main_context_default();
    loop_ = g_main_loop_new(context_, FALSE);
    web_ = webkit_web_context_new();
    webkit_web_context_register_uri_scheme(web_, kCallScheme, &WebKitEngine::OnCallRequest, this, nullptr);
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(web_);
    webkit_security_manager_register_uri_scheme_as_cors_enabled(security, kCallScheme);
    webkit_security_manager_register_uri_scheme_as_local(security, kCallScheme);
    g_timeout_add(kRenderIntervalMs, &WebKitEngine::OnRenderTick, this);
    contextReady_ = true;
    started.set_value(std::string());
    g_main_loop_run(loop_);
    // Whatever was posted after the loop ended is dropped with the context.
    while (g_main_context_iteration(context_, FALSE)) {
    }
    g_main_loop_unref(loop_);
  }

  void Post(std::function<void()> work) {
    if (!contextReady_) return;
    auto* task = new std::function<void()>(std::move(work));
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(
        source,
        [](gpointer data) -> gboolean {
          (*static_cast<std::function<void()>*>(data))();
          return G_SOURCE_REMOVE;
        },
        task, [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
    g_source_attach(source, context_);
    g_source_unref(source);
  }

  void OnView(int view, std::function<void(ViewState&)> work) {
    Post([this, view, work = std::move(work)] {
      auto found = views_.find(view);
      if (found != views_.end()) work(found->second);
    });
  }

  static void AddUserScript(ViewState& state, const std::string& source) {
    WebKitUserScript* script =
        webkit_user_script_new(source.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                               WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(state.content, script);
    webkit_user_script_unref(script);
  }

  void MakeView(int id, std::shared_ptr<EngineViewEvents> events) {
    ViewState& state = views_[id];
    state.engine = this;
    state.id = id;
    state.events = std::move(events);
    state.content = webkit_user_content_manager_new();
    state.view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", web_, "user-content-manager",
                                              state.content, nullptr));
    WebKitSettings* settings = webkit_web_view_get_settings(state.view);
    webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
    webkit_settings_set_allow_universal_access_from_file_urls(settings, TRUE);
    AddUserScript(state, kBridgeScript);
    for (const std::string& name : names_) AddUserScript(state, DefinitionScript(name));
    state.window = gtk_offscreen_window_new();
    gtk_container_add(GTK_CONTAINER(state.window), GTK_WIDGET(state.view));
    gtk_widget_set_size_request(GTK_WIDGET(state.view), 1, 1);
    gtk_widget_show_all(state.window);
    const int key = id;
    g_object_set_data(G_OBJECT(state.view), "wke-view", GINT_TO_POINTER(key));
    g_signal_connect(state.view, "decide-policy", G_CALLBACK(&WebKitEngine::OnDecidePolicy), &state);
    g_signal_connect(state.view, "load-changed", G_CALLBACK(&WebKitEngine::OnLoadChanged), &state);
    g_signal_connect(state.view, "load-failed", G_CALLBACK(&WebKitEngine::OnLoadFailed), &state);
    g_signal_connect(state.view, "notify::title", G_CALLBACK(&WebKitEngine::OnTitle), &state);
    g_signal_connect(state.view, "notify::uri", G_CALLBACK(&WebKitEngine::OnUri), &state);
    g_signal_connect(state.window, "damage-event", G_CALLBACK(&WebKitEngine::OnDamage), &state);
  }

  static void DropView(ViewState& state) {
    g_signal_handlers_disconnect_by_data(state.view, &state);
    g_signal_handlers_disconnect_by_data(state.window, &state);
    gtk_widget_destroy(state.window);
    g_object_unref(state.content);
    state.events.reset();
  }

  static GdkEvent* NewEvent(ViewState& state, GdkEventType type) {
    GdkEvent* event = gdk_event_new(type);
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(state.view));
    event->any.window = window != nullptr ? GDK_WINDOW(g_object_ref(window)) : nullptr;
    event->any.send_event = TRUE;
    GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
    if (type == GDK_KEY_PRESS || type == GDK_KEY_RELEASE || type == GDK_FOCUS_CHANGE) {
      gdk_event_set_device(event, gdk_seat_get_keyboard(seat));
    } else {
      gdk_event_set_device(event, gdk_seat_get_pointer(seat));
    }
    return event;
  }

  static void Deliver(ViewState& state, GdkEvent* event) {
    if (event->any.window != nullptr) gtk_widget_event(GTK_WIDGET(state.view), event);
    gdk_event_free(event);
  }

  static void SendMouse(ViewState& state, const MouseInput& input) {
    GdkEventType type = GDK_MOTION_NOTIFY;
    guint button = 0;
    switch (input.message) {
      case 0x201: type = GDK_BUTTON_PRESS; button = 1; break;
      case 0x202: type = GDK_BUTTON_RELEASE; button = 1; break;
      case 0x203: type = GDK_2BUTTON_PRESS; button = 1; break;
      case 0x204: type = GDK_BUTTON_PRESS; button = 3; break;
      case 0x205: type = GDK_BUTTON_RELEASE; button = 3; break;
      default: break;
    }
    GdkEvent* event = NewEvent(state, type);
    if (type == GDK_MOTION_NOTIFY) {
      event->motion.x = input.x;
      event->motion.y = input.y;
      event->motion.state = GdkModifiers(input.flags);
    } else {
      event->button.x = input.x;
      event->button.y = input.y;
      event->button.button = button;
      event->button.state = GdkModifiers(input.flags);
    }
    Deliver(state, event);
  }

  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                 gpointer data) {
    auto& state = *static_cast<ViewState*>(data);
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
    WebKitNavigationAction* action =
        webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    const std::string url = uri != nullptr ? uri : "";
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
      state.events->OnCreateView(url);
      webkit_policy_decision_ignore(decision);
      return TRUE;
    }
    if (!AllowedNavigation(uri)) {
      webkit_policy_decision_ignore(decision);
      return TRUE;
    }
    g_object_ref(decision);
    WebKitEngine* engine = state.engine;
    std::weak_ptr<WebKitEngine> weak = engine->weak_from_this();
    state.events->OnNavigation(url, [weak, decision](bool proceed) {
      std::shared_ptr<WebKitEngine> owner = weak.lock();
      if (owner == nullptr) return;
      owner->Post([decision, proceed] {
        if (proceed) {
          webkit_policy_decision_use(decision);
        } else {
          webkit_policy_decision_ignore(decision);
        }
        g_object_unref(decision);
      });
    });
    return TRUE;
  }

  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
    auto& state = *static_cast<ViewState*>(data);
    if (event == WEBKIT_LOAD_STARTED) state.failed = false;
    if (event != WEBKIT_LOAD_FINISHED || state.failed) return;
    state.dirty = true;
    state.engine->Render(state);
    state.events->OnDocumentReady();
    const char* uri = webkit_web_view_get_uri(state.view);
    state.events->OnLoadingFinish(state.load, uri != nullptr ? uri : "", kLoadSucceeded, "");
  }

  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error, gpointer data) {
    auto& state = *static_cast<ViewState*>(data);
    state.failed = true;
    const bool cancelled = g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
                           g_error_matches(error, WEBKIT_POLICY_ERROR,
                                           WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
    state.events->OnLoadingFinish(state.load, uri != nullptr ? uri : "", cancelled ? kLoadCancelled : kLoadFailed,
                                  error != nullptr && error->message != nullptr ? error->message : "failed");
    return TRUE;  // no error page of the engine's own: the program shows its own
  }

  static void OnTitle(GObject*, GParamSpec*, gpointer data) {
    auto& state = *static_cast<ViewState*>(data);
    const char* title = webkit_web_view_get_title(state.view);
    state.events->OnTitleChanged(title != nullptr ? title : "");
  }

  static void OnUri(GObject*, GParamSpec*, gpointer data) {
    auto& state = *static_cast<ViewState*>(data);
    const char* uri = webkit_web_view_get_uri(state.view);
    state.events->OnUrlChanged(uri != nullptr ? uri : "");
  }

  static gboolean OnDamage(GtkWidget*, GdkEvent*, gpointer data) {
    static_cast<ViewState*>(data)->dirty = true;
    return FALSE;
  }

  static gboolean OnRenderTick(gpointer data) {
    auto* engine = static_cast<WebKitEngine*>(data);
    for (auto& entry : engine->views_) {
      if (entry.second.dirty) engine->Render(entry.second);
    }
    return G_SOURCE_CONTINUE;
  }

  void Render(ViewState& state) {
    if (state.width <= 0 || state.height <= 0) return;
    // A resize not laid out yet: the next tick draws it.
    if (gtk_widget_get_allocated_width(GTK_WIDGET(state.view)) != state.width ||
        gtk_widget_get_allocated_height(GTK_WIDGET(state.view)) != state.height) {
      return;
    }
    state.dirty = false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, state.width, state.height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    gtk_widget_draw(GTK_WIDGET(state.view), cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    state.events->OnFrame(cairo_image_surface_get_data(surface), state.width, state.height,
                          cairo_image_surface_get_stride(surface));
    cairo_surface_destroy(surface);
  }

  static void OnCallRequest(WebKitURISchemeRequest* request, gpointer data) {
    auto* engine = static_cast<WebKitEngine*>(data);
    WebKitWebView* view = webkit_uri_scheme_request_get_web_view(request);
    std::string name;
    std::vector<ScriptValue> args;
    ViewState* state = view != nullptr ? engine->StateOf(view) : nullptr;
    const char* uri = webkit_uri_scheme_request_get_uri(request);
    if (state == nullptr || uri == nullptr || !ParseCall(uri, &name, &args)) {
      Answer(request, ScriptValue());
      return;
    }
    g_object_ref(request);
    std::weak_ptr<WebKitEngine> weak = engine->weak_from_this();
    state->events->OnNativeCall(name, std::move(args), [weak, request](const ScriptValue& value) {
      std::shared_ptr<WebKitEngine> owner = weak.lock();
      if (owner == nullptr) return;
      owner->Post([request, value] {
        Answer(request, value);
        g_object_unref(request);
      });
    });
  }

  static void Answer(WebKitURISchemeRequest* request, const ScriptValue& value) {
    const std::string text = AnswerText(value);
    gchar* copy = g_strndup(text.data(), text.size());
    GInputStream* stream = g_memory_input_stream_new_from_data(copy, static_cast<gssize>(text.size()), g_free);
    webkit_uri_scheme_request_finish(request, stream, static_cast<gint64>(text.size()), "text/plain; charset=utf-8");
    g_object_unref(stream);
  }

  ViewState* StateOf(WebKitWebView* view) {
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(view), "wke-view"));
    auto found = views_.find(id);
    return found != views_.end() ? &found->second : nullptr;
  }

  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<bool> contextReady_{false};
  std::atomic<int> nextId_{1};
  GMainContext* context_ = nullptr;
  GMainLoop* loop_ = nullptr;
  WebKitWebContext* web_ = nullptr;
  // The engine's thread only.
  std::map<int, ViewState> views_;
  std::vector<std::string> names_;
};

}  // namespace

std::shared_ptr<WebEngine> MakeWebKitEngine() { return std::make_shared<WebKitEngine>(); }

}  // namespace platform::web
