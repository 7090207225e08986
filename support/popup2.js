<script>
// Window AD: ZephrinWindowAd(), this script's one global, opens a floating
// window with a title bar that can be dragged and has minimise,
// maximise/restore and close buttons; Esc closes the topmost Zephrin box when
// it is one of these windows. The body section calls it once the page has
// loaded:
// new ZephrinWindowAd(top, left, width, height, idBase, html, background, textColour,
//           titleFont, caption, titleBackground, titleColour, scrollColour,
//           borderLight, borderDark, minimise, maximise, close, drag, resize[, names])
// names, given for a site in another language than English, holds the
// accessible names {window, minimise, maximise, restore, close}.
(function () {
  'use strict';
  var MARGIN = 8;
  var count = 0, closable = [];

  // zephrin: box helpers

  var record = boxRecord('window-ad');

  // Esc closes the topmost box only, and leaves a key the page has handled
  // or one meant for the page's own dialog alone.
  function onKey(e) {
    if (!escForBoxes(e)) return;
    var top = topmostBox();
    for (var i = 0; i < closable.length; i++) {
      if (closable[i].element === top) {
        e.preventDefault();
        closable[i].close('esc');
        return;
      }
    }
  }

  // Colours come as six hex digits without '#', or as any CSS colour.
  function colour(c) {
    c = String(c);
    return /^[0-9a-f]{6}$/i.test(c) ? '#' + c : c;
  }

  function number(v, fallback) {
    var n = parseFloat(v);
    return isFinite(n) ? n : fallback;
  }

  // A title button's name follows what it does next (Minimise, then Restore).
  function name(button, label) {
    button.title = label;
    button.setAttribute('aria-label', label);
  }

  function titleButton(label, text, action) {
    var b = document.createElement('button');
    b.type = 'button';
    b.textContent = text;
    name(b, label);
    b.style.cssText = 'margin:0 0 0 2px;width:24px;height:24px;padding:0;font:bold 11px sans-serif;' +
      'line-height:22px;cursor:pointer;flex:none;';
    b.addEventListener('click', action);
    return b;
  }

  function ZephrinWindowAd(top, left, width, height, idBase, html, background, textColour, titleFont,
                 caption, titleBackground, titleColour, scrollColour, borderLight, borderDark,
                 canMinimise, canMaximise, canClose, canDrag, canResize, names) {
    names = names || {};
    function said(key, english) {
      return typeof names[key] === 'string' ? names[key] : english;
    }
    var self = this, id = 'zephrin-' + idBase + (++count), state = 'normal', saved = null;
    var win = document.createElement('div');
    var bar = document.createElement('div');
    var title = document.createElement('span');
    var content = document.createElement('div');
    var buttons = {};

    win.setAttribute('data-zephrin', '');
    win.setAttribute('role', 'dialog');
    caption = caption == null ? '' : String(caption);
    // The caption names the window; without one it still needs a name.
    if (caption.trim()) win.setAttribute('aria-labelledby', id + '-caption');
    else win.setAttribute('aria-label', said('window', 'Announcement window'));
    win.style.cssText = 'position:absolute;z-index:1000;box-sizing:border-box;display:flex;' +
      'flex-direction:column;border:2px solid;box-shadow:2px 2px 6px rgba(0,0,0,.4);' +
      'background:' + colour(background) + ';border-color:' + colour(borderLight) + ' ' +
      colour(borderDark) + ' ' + colour(borderDark) + ' ' + colour(borderLight) + ';' +
      (canResize ? 'resize:both;overflow:hidden;' : '');
    bar.style.cssText = 'display:flex;align-items:center;padding:2px;flex:none;user-select:none;' +
      'touch-action:none;background:' + colour(titleBackground) + ';color:' + colour(titleColour) +
      ';' + (canDrag ? 'cursor:move;' : '');
    title.id = id + '-caption';
    title.textContent = caption;
    title.style.cssText = 'flex:1;overflow:hidden;white-space:nowrap;text-overflow:ellipsis;padding:0 4px;';
    title.style.font = titleFont;
    content.innerHTML = html;
    content.style.cssText = 'flex:1;min-height:0;overflow:auto;padding:4px;color:' + colour(textColour) +
      ';scrollbar-color:' + colour(borderLight) + ' ' + colour(scrollColour) + ';';

    function place(l, t, w, h) {
      win.style.left = l + 'px';
      win.style.top = t + 'px';
      win.style.width = w + 'px';
      win.style.height = h === null ? '' : h + 'px';
    }

    // Keep the window inside the window's width, e.g. on a phone.
    function fit(l, t, w, h) {
      var room = document.documentElement.clientWidth - 2 * MARGIN;
      w = Math.min(w, room);
      place(Math.max(MARGIN, Math.min(l, room + MARGIN - w)), Math.max(0, t), w, h);
    }

    function restore() {
      win.style.position = 'absolute';
      content.style.display = '';
      fit(saved.left, saved.top, saved.width, saved.height);
      state = 'normal';
      if (buttons.min) {
        buttons.min.textContent = '_';
        name(buttons.min, said('minimise', 'Minimise'));
      }
      if (buttons.max) {
        buttons.max.textContent = '\u25A1';
        name(buttons.max, said('maximise', 'Maximise'));
      }
    }

    function remember() {
      if (state === 'normal') {
        saved = { left: win.offsetLeft, top: win.offsetTop, width: win.offsetWidth, height: win.offsetHeight };
      }
    }

    function minimise() {
      if (state === 'min') return restore();
      if (state === 'max') restore();
      remember();
      content.style.display = 'none';
      win.style.height = '';
      state = 'min';
      buttons.min.textContent = '\u25A1';
      name(buttons.min, said('restore', 'Restore'));
    }

    function maximise() {
      if (state === 'max') return restore();
      if (state === 'min') restore();
      remember();
      win.style.position = 'fixed';
      place(0, 0, document.documentElement.clientWidth, window.innerHeight);
      state = 'max';
      buttons.max.textContent = '\u2752';
      name(buttons.max, said('restore', 'Restore'));
    }

    // how: 'button' or 'esc', for the close event.
    function close(how) {
      if (win.style.display === 'none') return;
      focus.giveBack();
      win.style.display = 'none';
      window.removeEventListener('resize', refit);
      if (closable.indexOf(self) >= 0) closable.splice(closable.indexOf(self), 1);
      if (!closable.length) window.removeEventListener('keydown', onKey);
      announce(record, win, 'close', how);
    }

    // Focus inside the closing window goes back where it came from.
    var focus = focusReturn(win);
    win.addEventListener('focusin', focus.note);

    bar.appendChild(title);
    if (canMinimise) bar.appendChild(buttons.min = titleButton(said('minimise', 'Minimise'), '_', minimise));
    if (canMaximise) bar.appendChild(buttons.max = titleButton(said('maximise', 'Maximise'), '\u25A1', maximise));
    if (canClose) {
      bar.appendChild(titleButton(said('close', 'Close'), '\u00D7', function () { close('button'); }));
    }
    win.appendChild(bar);
    win.appendChild(content);

    if (canDrag) {
      var grab = null;
      bar.addEventListener('pointerdown', function (e) {
        if (state === 'max' || e.target.closest('button')) return;
        grab = { x: e.clientX - win.offsetLeft, y: e.clientY - win.offsetTop };
        bar.setPointerCapture(e.pointerId);
      });
      bar.addEventListener('pointermove', function (e) {
        if (!grab) return;
        // The title bar stays inside the page, so the window can always be grabbed again.
        var l = Math.min(Math.max(0, e.clientX - grab.x), document.documentElement.clientWidth - 40);
        win.style.left = l + 'px';
        win.style.top = Math.max(0, e.clientY - grab.y) + 'px';
      });
      bar.addEventListener('pointerup', function () { grab = null; });
      bar.addEventListener('pointercancel', function () { grab = null; });
    }

    function refit() {
      if (state === 'normal') fit(win.offsetLeft, win.offsetTop, width, win.offsetHeight);
      else if (state === 'max') place(0, 0, document.documentElement.clientWidth, window.innerHeight);
    }
    window.addEventListener('resize', refit);

    fit(number(left, 0), number(top, 0), number(width, 300), number(height, null));
    document.body.appendChild(win);
    this.element = win;
    this.close = close;
    if (canClose) {
      if (!closable.length) window.addEventListener('keydown', onKey);
      closable.push(this);
    }
    announce(record, win, 'show');
  }

  // Display rules, if the box has any, decide when the window opens; opened
  // late, it comes in where the reader has scrolled to.
  window.ZephrinWindowAd = function () {
    var self = this, args = Array.prototype.slice.call(arguments);
    if (!record.hold) return ZephrinWindowAd.apply(self, args);
    record.hold(function () {
      args[0] = number(args[0], 0) + pageYOffset;
      ZephrinWindowAd.apply(self, args);
    });
  };
})();
</script>
