#include "secret_service_keyring.h"

#include <libsecret/secret.h>

namespace varmio {

namespace {

const SecretSchema* mailSchema() {
    static const SecretSchema schema = {"org.varmio.MailAccount",
                                        SECRET_SCHEMA_NONE,
                                        {{"server", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

// Whether a call failed; the error is dropped.
bool failed(GError* error) {
    if (!error) return false;
    g_error_free(error);
    return true;
}

}  // namespace

bool SecretServiceKeyring::available() {
    GError* error = nullptr;
    SecretService* service = secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &error);
    if (failed(error) || !service) return false;
    g_object_unref(service);
    return true;
}

std::optional<std::string> SecretServiceKeyring::lookup(const std::string& server,
                                                        const std::string& user) {
    GError* error = nullptr;
    gchar* password = secret_password_lookup_sync(mailSchema(), nullptr, &error, "server",
                                                  server.c_str(), "user", user.c_str(), nullptr);
    if (failed(error) || !password) return std::nullopt;
    std::string found = password;
    secret_password_free(password);
    return found;
}

bool SecretServiceKeyring::store(const std::string& server, const std::string& user,
                                 const std::string& password) {
    const std::string label = "Varmio mail: " + user + "@" + server;
    GError* error = nullptr;
    const gboolean stored = secret_password_store_sync(
        mailSchema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr, &error,
        "server", server.c_str(), "user", user.c_str(), nullptr);
    return !failed(error) && stored;
}

void SecretServiceKeyring::forget(const std::string& server, const std::string& user) {
    GError* error = nullptr;
    secret_password_clear_sync(mailSchema(), nullptr, &error, "server", server.c_str(), "user",
                               user.c_str(), nullptr);
    failed(error);
}

}  // namespace varmio
