#include "ExchangeServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace velarion::ui {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 3000;

// A bare name would put the socket into the temporary folder that every user shares.
QString SocketPath(const QString& name) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

}  // namespace

TExchangeServer::TExchangeServer(const QString& name,
                                 std::function<void(const std::string&)> received, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), received_(std::move(received)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  const QString path = SocketPath(name);
  if (!server_->listen(path)) {
    // Nobody answered under this name (the caller asked first): a copy that crashed left
    // its socket behind.
    QLocalServer::removeServer(path);
    server_->listen(path);
  }
  connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

TExchangeServer::~TExchangeServer() { server_->close(); }

bool TExchangeServer::Listening() const { return server_->isListening(); }

void TExchangeServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
      QByteArray text = socket->readAll();
      socket->deleteLater();
      while (text.endsWith('\n')) text.chop(1);
      received_(text.toStdString());
    });
  }
}

bool HandOverToRunningCopy(const QString& name, const std::string& text) {
  QLocalSocket socket;
  socket.connectToServer(SocketPath(name));
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(QByteArray::fromStdString(text + "\n"));
  const bool written = socket.waitForBytesWritten(kWriteTimeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteTimeoutMs);
  return written;
}

}  // namespace velarion::ui
