#include "MyScene.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"

MyScene::MyScene(double x, double y, double w, double h, QObject* parent)
    : QGraphicsScene(x, y, w, h, parent) {
    gen::pp("MyScene::MyScene, x:$, y:$, w:$, h:$", x, y, w, h);
}

MyScene::MyScene(QObject* parent) : QGraphicsScene(parent) {
    gen::pp("MyScene::MyScene");
}

MyScene::~MyScene() {
    gen::pp("MyScene::~MyScene");
}

QString MyScene::to_string() const {
    return QString::fromStdString(gen::str::xprintF(0, "{$}", sceneRect()));
}

void MyScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsScene::mouseMoveEvent(event);
}
