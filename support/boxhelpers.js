  // The helpers every box script shares. Each popupN.js carries its own copy:
  // its marker line stands for this text, put in its place when the program is
  // built, so every installed script is complete as it stands.

  // Of the Zephrin boxes on show, the one painted over the others.
  function topmostBox() {
    var all = document.querySelectorAll('[data-zephrin]'), top = null, topZ = 0;
    for (var i = 0; i < all.length; i++) {
      var cs = getComputedStyle(all[i]), z = parseInt(cs.zIndex, 10) || 0;
      if (cs.visibility === 'visible' && cs.display !== 'none' && (!top || z >= topZ)) {
        top = all[i];
        topZ = z;
      }
    }
    return top;
  }

  // Whether the key event e is an Esc left to the boxes: one the page has not
  // handled, nor meant for the page's own dialog.
  function escForBoxes(e) {
    return e.key === 'Escape' && !e.defaultPrevented && !(e.target.closest && e.target.closest('dialog'));
  }

  // The keydown listener with which Esc calls close when box is the topmost box.
  function escCloses(box, close) {
    return function (e) {
      if (!escForBoxes(e) || topmostBox() !== box) return;
      e.preventDefault();
      close();
    };
  }

  // Follows where the focus came into box from (note, a focusin listener);
  // giveBack() sends focus inside the closing box back there, or on to the
  // page's next focusable element.
  function focusReturn(box) {
    var cameFrom = null;
    return {
      note: function (e) {
        if (!box.contains(e.relatedTarget)) cameFrom = e.relatedTarget;
      },
      giveBack: function () {
        if (!box.contains(document.activeElement)) return;
        var to = cameFrom && cameFrom.isConnected ? cameFrom : null;
        var all = document.querySelectorAll('a[href],button,input,select,textarea,[tabindex]');
        for (var i = 0; !to && i < all.length; i++) {
          if (!box.contains(all[i]) && all[i].tabIndex >= 0 && (box.compareDocumentPosition(all[i]) & 4)) to = all[i];
        }
        if (to) to.focus();
        else document.activeElement.blur();
      }
    };
  }

  // The value the style element's rule for #id[data-zephrin] gives property,
  // as written there; '' when it gives none.
  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\[data-zephrin\\]\\s*\\{(?:[^}]*[;\\s])?' + property +
                        '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
  }

  // Calls done after ms of time with neither the pointer nor the focus inside
  // el; returns the function that stops the count.
  function countdown(el, ms, done) {
    var pointer = false, focus = false, last = Date.now();
    el.addEventListener('pointerenter', function () { pointer = true; });
    el.addEventListener('pointerleave', function () { pointer = false; });
    el.addEventListener('focusin', function () { focus = true; });
    el.addEventListener('focusout', function (e) { focus = el.contains(e.relatedTarget); });
    var timer = setInterval(function () {
      var now = Date.now();
      if (!pointer && !focus) ms -= now - last;
      last = now;
      if (ms <= 0) done();
    }, 100);
    return function () { clearInterval(timer); };
  }

  // The box's own record, kept by its script: its type, and what the scripts
  // written after that script in the same head section hand it in a
  // "zephrin-part" event (the storage key, the language, the display rules'
  // hold(start) and the analytics' track(what, detail)). No other box can
  // reach or change it.
  function boxRecord(type) {
    var record = { type: type, key: null, language: null, hold: null, track: null, state: '' };
    var script = document.currentScript;
    if (script) {
      script.addEventListener('zephrin-part', function (e) {
        var part = e.detail;
        part.taken = true;
        record.key = part.key;
        record.language = part.language || 'en';
        record.hold = part.hold || record.hold;
        record.track = part.track || record.track;
      });
    }
    return record;
  }

  // Tells the page what happened to box: a bubbling zephrin:show,
  // zephrin:close (detail.how: 'link', 'button', 'esc' or 'countdown') or
  // zephrin:submit event from it, detail naming the type, the storage key and
  // the language; and the box's analytics, if any. A box shows once and
  // closes once; a close before the show or after the close says nothing.
  function announce(record, box, what, how) {
    if (what === 'show' ? record.state : what === 'close' && record.state !== 'show') return;
    if (what !== 'submit') record.state = what;
    var detail = { type: record.type, key: record.key, language: record.language };
    if (how) detail.how = how;
    box.dispatchEvent(new CustomEvent('zephrin:' + what, { bubbles: true, detail: detail }));
    if (record.track) record.track(what, detail);
  }

  // The look's interface font (--zephrin-font) where the page keeps the browser's default.
  function lookFont(box) {
    var font = getComputedStyle(box).getPropertyValue('--zephrin-font'), up = box.parentNode, probe;
    if (!font) return;
    probe = up.insertBefore(document.createElement('i'), box);
    probe.style.fontFamily = 'initial';
    if (getComputedStyle(probe).fontFamily === getComputedStyle(up).fontFamily) box.style.fontFamily = font;
    up.removeChild(probe);
  }
